// The reverse-osmosis unit's two records: a status area of any shape as
// the status page reads it, and one or two DPI answers decoded onto the
// parameter pages held in memory, edited with value lines as an operator
// or a setting file would (or one value set by name), and encoded back for
// DPS. The record keeps its length and positions no page shows go back
// unchanged.
#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

#include "controller/memory_form.h"
#include "controller/record_codec.h"
#include "devlink/fields.h"
#include "osmosis/osmosis_settings.h"
#include "osmosis/parameter_layout.h"
#include "osmosis/parameter_values.h"
#include "osmosis/status_record.h"
#include "osmosis/status_values.h"
#include "support/fuzz_check.h"
#include "support/printed_value.h"
#include "support/record_positions.h"
#include "support/values_check.h"

namespace {

const controller::SettingsProfile& profile() {
    static const controller::SettingsProfile settings = osmosis::osmosisSettingsProfile();
    return settings;
}

void checkStatus(const std::string& area) {
    namespace st = osmosis::status;
    const int code = devlink::decodeByte(area, st::kPlantStatus);
    const char* text = osmosis::plantStatusText(code);
    FUZZ_CHECK(code != 0 || text == nullptr, "code 0 leaves the status text as it was");
    osmosis::lampBits(area);
    const controller::UnitValues shown = osmosis::statusValues(area);
    FUZZ_CHECK(controller::valueNamed(shown, "plant_status").present == (text != nullptr),
               "the plant status is shown exactly when its code has a text");
    struct Shown {
        const char* format;
        std::size_t offset;
    };
    const Shown values[] = {{"%07.2f", st::kConductivity},     {"%02.0f", st::kTemperature},
                            {"%02.0f", st::kPressure},         {"%09.4f", st::kPermeateMeter},
                            {"%09.4f", st::kConcentrateMeter}, {"%7.5f", st::kCalibrationFactor}};
    for (const auto& [format, offset] : values) {
        fuzzing::checkPrinted(format, devlink::decodeFloat(area, offset));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool afterWrite = input.ConsumeBool();
    checkStatus(input.ConsumeRandomLengthString(osmosis::kStatusLength + 20));
    const std::string first = input.ConsumeRandomLengthString(700);
    const std::string second = input.ConsumeRandomLengthString(700);
    const std::string lines = input.ConsumeRemainingBytesAsString();

    const controller::RecordLayout& layout = osmosis::osmosisLayout();
    controller::UnitRecord record(layout.form);
    if (record.takeFirstAnswer(first)) record.takeSecondAnswer(second, afterWrite ? 4 : 7);
    FUZZ_CHECK(record.text().size() <= first.size() + second.size(),
               "the record holds no more than the answers brought");

    controller::MemoryForm form(profile().values, profile().placeholder);
    controller::decodeRecord(layout, record, form);
    const std::vector<std::string> edits = fuzzing::splitLines(lines);
    fuzzing::checkParameterValues(osmosis::osmosisValueTable(), record, edits.front());
    controller::applyValueLines(profile().values, edits, form);
    controller::firstUnreadableFloat(layout, form);

    if (!record.complete()) return 0;
    const std::string before = record.text();
    controller::encodeRecord(layout, form, record);
    const std::string& after = record.text();
    FUZZ_CHECK(after.size() == before.size(), "encoding keeps the record's length");
    const std::vector<bool> shown =
        fuzzing::shownPositions(layout, before.size(), record.longForm());
    for (std::size_t i = 0; i < before.size(); ++i)
        if (!shown[i])
            FUZZ_CHECK(after[i] == before[i], "positions no page shows go back unchanged");
    FUZZ_CHECK(record.writeBody().size() == record.formLength(), "DPS carries the whole form");
    return 0;
}
