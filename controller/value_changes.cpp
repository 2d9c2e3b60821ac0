#include "controller/value_changes.h"

#include "controller/parameter_values.h"

namespace controller {

TwoLanguages pageText(const UnitValue& value) {
    if (value.type == ValueType::Flag)
        return value.flag ? TwoLanguages{"ein", "on"} : TwoLanguages{"aus", "off"};
    if (value.type == ValueType::Text) return sameInBoth(value.text);
    return value.shown;
}

namespace {

bool samePageText(const TwoLanguages& a, const TwoLanguages& b) {
    return a.german == b.german && a.english == b.english;
}

}  // namespace

std::vector<ValueChange> valueChanges(const UnitValues& before, const UnitValues& after) {
    std::vector<ValueChange> changes;
    for (const UnitValue& now : after) {
        const UnitValue* was = findValue(before, now.name);
        if (!was || !now.settable || !now.present) continue;
        const TwoLanguages old = pageText(*was), shown = pageText(now);
        if (samePageText(old, shown)) continue;
        changes.push_back({now.name, now.page, now.label, old, shown});
    }
    return changes;
}

UnitRecord recordWithLines(const ParameterValueTable& table,
                           const std::vector<SettingValue>& values, EncodeRecord encode,
                           const UnitRecord& base, const std::vector<std::string>& lines) {
    MemoryForm form = decodedForm(table, base);
    applyValueLines(values, lines, form);
    UnitRecord record = base;
    encode(form, record);
    return record;
}

}  // namespace controller
