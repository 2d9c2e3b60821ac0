#include "cli/parameter_changes.h"

#include <algorithm>

#include "cli/json_writer.h"
#include "cli/value_output.h"
#include "controller/parameter_values.h"
#include "controller/value_changes.h"

namespace cli {

using controller::UnitValue;
using controller::UnitValues;

namespace {

bool sameOnThePage(const UnitValue& a, const UnitValue& b) {
    const controller::TwoLanguages first = controller::pageText(a),
                                   second = controller::pageText(b);
    return first.german == second.german && first.english == second.english;
}

bool validIn(const controller::ParameterValueTable& table, const controller::UnitRecord& record,
             const UnitValue& value, bool english, std::string* why = nullptr) {
    controller::UnitRecord scratch = record;
    const std::string error =
        controller::setParameterValue(table, scratch, value.name, inputText(value), english);
    if (why) *why = error;
    return error.empty();
}

}  // namespace

std::vector<ParameterChange> parameterChanges(const UnitValues& unit, const UnitValues& changed) {
    // Which values change is the pages' view, the one the windows' review shows;
    // the tool prints the whole values of both sides.
    std::vector<ParameterChange> changes;
    for (const controller::ValueChange& change : controller::valueChanges(unit, changed))
        changes.push_back({controller::valueNamed(unit, change.name),
                           controller::valueNamed(changed, change.name)});
    return changes;
}

std::string changesText(const std::vector<ParameterChange>& changes, bool english) {
    if (changes.empty())
        return english ? "no parameter changes\n" : "keine Parameter\u00E4nderung\n";
    std::size_t width = 0;
    for (const ParameterChange& change : changes) width = std::max(width, change.after.name.size());
    std::string text = english ? "changes:\n" : "\u00C4nderungen:\n";
    for (const ParameterChange& change : changes) {
        const std::string& unit = change.after.unit.in(english);
        text += "  " + padded(change.after.name, width) + "  " + change.after.label.in(english) +
                ": " + change.before.shown.in(english) + " -> " + change.after.shown.in(english) +
                (unit.empty() ? "" : " " + unit) + "\n";
    }
    return text;
}

std::string changesJson(const std::vector<ParameterChange>& changes, bool written,
                        const std::string& backup, bool english) {
    JsonWriter json;
    json.beginObject().key("changes").beginArray();
    for (const ParameterChange& change : changes) {
        json.beginObject();
        json.field("name", change.after.name);
        json.field("label", change.after.label.in(english));
        json.field("unit", change.after.unit.in(english));
        json.key("from");
        jsonValue(json, change.before, english);
        json.key("to");
        jsonValue(json, change.after, english);
        json.field("from_shown", change.before.shown.in(english));
        json.field("to_shown", change.after.shown.in(english));
        json.endObject();
    }
    json.endArray();
    json.key("written").boolean(written);
    json.key("backup");
    if (backup.empty())
        json.null();
    else
        json.string(backup);
    json.endObject();
    return json.text() + "\n";
}

std::string inputText(const UnitValue& value) {
    switch (value.type) {
        case controller::ValueType::Number:
            return value.shown.german;
        case controller::ValueType::Choice:
            return value.text;
        case controller::ValueType::Flag:
            return value.flag ? "1" : "0";
        case controller::ValueType::Text:
            return value.text;
    }
    return {};
}

std::vector<std::string> refusedValues(const controller::ParameterValueTable& table,
                                       const controller::UnitRecord& unit,
                                       const controller::UnitRecord& changed, bool english) {
    const UnitValues before = controller::parameterValues(table, unit);
    std::vector<std::string> refused;
    for (const UnitValue& value : controller::parameterValues(table, changed)) {
        if (!value.settable) continue;
        std::string why;
        if (validIn(table, changed, value, english, &why)) continue;
        const UnitValue* held = controller::findValue(before, value.name);
        const bool unchanged = held && sameOnThePage(*held, value);
        // What the unit held and the pages would take as it stood.
        if (unchanged && !validIn(table, unit, *held, english)) continue;
        refused.push_back(why);
    }
    return refused;
}

}  // namespace cli
