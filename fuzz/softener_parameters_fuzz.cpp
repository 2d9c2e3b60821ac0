// The softener's parameter record: one or two DPI answers of any shape
// decoded onto parameter pages held in memory, a set of value lines put on
// the pages as an operator or a setting file would, and the record encoded
// back for DPS. The record keeps its length, positions no page shows go
// back unchanged, and the backup taken before a write can be imported.
#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

#include "softener/memory_form.h"
#include "softener/parameter_record.h"
#include "softener/record_backup.h"
#include "softener/setting_file.h"
#include "softener/softener_settings.h"
#include "support/fuzz_check.h"

namespace {

using softener::FieldKind;

const softener::SettingsProfile& profile() {
    static const softener::SettingsProfile settings = softener::softenerSettingsProfile();
    return settings;
}

std::size_t fieldWidth(FieldKind kind) {
    switch (kind) {
        case FieldKind::Float:
            return 8;
        case FieldKind::Word16:
        case FieldKind::Time:
            return 4;
        default:
            return 2;
    }
}

// The positions some page shows, for a record of the given form.
std::vector<bool> shownPositions(std::size_t length, bool longForm) {
    std::vector<bool> shown(length, false);
    const auto mark = [&](std::size_t offset, std::size_t width) {
        for (std::size_t i = offset; i < offset + width && i < length; ++i) shown[i] = true;
    };
    for (const softener::ParameterField& field : softener::shortFormFields())
        mark(field.offset, fieldWidth(field.kind));
    if (longForm) {
        namespace sms = softener::sms;
        mark(sms::kDialNumber, 40);
        mark(sms::kPrefix, 8);
        mark(sms::kAccessNumber, 40);
        mark(sms::kExtraText, 60);
        mark(sms::kFlags, 8);
        mark(sms::kIntervalOn, 2);
    }
    return shown;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool afterWrite = input.ConsumeBool();
    const std::string first = input.ConsumeRandomLengthString(700);
    const std::string second = input.ConsumeRandomLengthString(700);
    const std::string lines = input.ConsumeRemainingBytesAsString();

    softener::ParameterRecord record;
    const bool twoParts = record.takeFirstAnswer(first);
    if (twoParts) record.takeSecondAnswer(second, afterWrite ? 4 : 7);
    FUZZ_CHECK(record.text().size() <= first.size() + second.size(),
               "the record holds no more than the answers brought");

    softener::MemoryForm form(profile().values);
    softener::decodeParameters(record, form);

    // The backup of what the unit holds can always be imported again.
    const std::string backup = softener::recordAsSettingFile(record);
    const softener::SettingFile file(profile().values);
    const auto restored = file.valuesOf(backup);
    FUZZ_CHECK(restored && restored->size() == profile().values.size(),
               "a backup holds exactly one value line per value");

    // The operator's edits: value lines of any content on the pages.
    std::vector<std::string> edits;
    for (std::size_t start = 0; start <= lines.size();) {
        const std::size_t end = std::min(lines.find('\n', start), lines.size());
        edits.push_back(lines.substr(start, end - start));
        start = end + 1;
    }
    softener::applyValueLines(profile().values, edits, form);
    softener::firstUnreadableFloat(form);

    if (!record.complete()) return 0;
    const std::string before = record.text();
    softener::encodeParameters(form, record);
    const std::string& after = record.text();
    FUZZ_CHECK(after.size() == before.size(), "encoding keeps the record's length");
    const std::vector<bool> shown = shownPositions(before.size(), record.longForm());
    for (std::size_t i = 0; i < before.size(); ++i)
        if (!shown[i])
            FUZZ_CHECK(after[i] == before[i], "positions no page shows go back unchanged");
    FUZZ_CHECK(record.writeBody().size() == record.formLength(), "DPS carries the whole form");
    return 0;
}
