// The softener's parameter record: one or two DPI answers of any shape
// decoded onto parameter pages held in memory, a set of value lines put on
// the pages as an operator or a setting file would (or one value set by
// name), and the record encoded back for DPS. The record keeps its length,
// positions no page shows go back unchanged, and the backup taken before a
// write can be imported.
#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

#include "controller/memory_form.h"
#include "controller/setting_file.h"
#include "softener/parameter_record.h"
#include "softener/parameter_values.h"
#include "softener/softener_backup.h"
#include "softener/softener_settings.h"
#include "support/fuzz_check.h"
#include "support/record_positions.h"
#include "support/values_check.h"

namespace {

const controller::SettingsProfile& profile() {
    static const controller::SettingsProfile settings = softener::softenerSettingsProfile();
    return settings;
}

// The layout's positions, and the long form's last byte, which sets the
// box in front of the regeneration interval.
std::vector<bool> shownPositions(std::size_t length, bool longForm) {
    std::vector<bool> shown = fuzzing::shownPositions(softener::softenerLayout(), length, longForm);
    if (longForm && softener::sms::kIntervalOn + 2 <= length)
        shown[softener::sms::kIntervalOn] = shown[softener::sms::kIntervalOn + 1] = true;
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

    controller::MemoryForm form(profile().values);
    softener::decodeParameters(record, form);

    // The backup of what the unit holds can always be imported again.
    const std::string backup = softener::recordAsSettingFile(record);
    const controller::SettingFile file(profile().values);
    const auto restored = file.valuesOf(backup);
    FUZZ_CHECK(restored && restored->size() == profile().values.size(),
               "a backup holds exactly one value line per value");

    // The operator's edits: value lines of any content on the pages, and
    // the first line as a value set by name.
    const std::vector<std::string> edits = fuzzing::splitLines(lines);
    fuzzing::checkParameterValues(softener::softenerValueTable(), record, edits.front());
    controller::applyValueLines(profile().values, edits, form);
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
