// The softener's status answer as the status page reads it: the 190
// characters of the area behind "DSI|", whatever the unit put there
// (short areas, letters where digits belong, any byte).
#include <fuzzer/FuzzedDataProvider.h>

#include "devlink/fields.h"
#include "softener/parameter_record.h"
#include "softener/status_record.h"
#include "softener/status_values.h"
#include "support/fuzz_check.h"
#include "support/printed_value.h"

namespace st = softener::status;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string answer(reinterpret_cast<const char*>(data), size);
    // What the window keeps of an answer: the area behind "DSI|".
    const std::string area =
        answer.size() > 4 ? answer.substr(4, softener::kStatusLength) : std::string();
    FUZZ_CHECK(area.size() <= softener::kStatusLength, "the area is at most 190 characters");

    for (int plantType = 0; plantType <= 16; ++plantType) {
        const int code = softener::plantStatusCode(plantType, area);
        const softener::PlantStatus shown = softener::plantStatusText(code);
        FUZZ_CHECK(code == 0 || (shown.german && shown.english),
                   "every plant-status code the area gives has its text");
    }
    const std::string access = softener::lastAccessText(area);
    FUZZ_CHECK(access.size() == 14 && access[2] == '.' && access[5] == '.' && access[8] == ' ' &&
                   access[11] == ':',
               "the last access always reads dd.mm.yy hh:mm");
    softener::lampBits(area);
    // The values a program without a window shows, with a record of the same bytes.
    softener::ParameterRecord record;
    record.takeFirstAnswer(answer);
    for (const bool measured : {false, true}) {
        const controller::UnitValues values = softener::statusValues(area, record, measured);
        const controller::UnitValue& plant = controller::valueNamed(values, "plant_status");
        FUZZ_CHECK(!plant.present || !plant.shown.english.empty(),
                   "a plant status shown has its text");
        FUZZ_CHECK(controller::valueNamed(values, "residual_capacity").shown.german.size() == 6,
                   "the residual capacity shows as wide as its mask");
    }
    fuzzing::checkPrinted("%06.1f", devlink::decodeFloat(area, st::kResidualCapacity));
    fuzzing::checkPrinted("%05.1f", devlink::decodeFloat(area, st::kMeasuredHardness));
    fuzzing::checkPrinted("%7.1f", devlink::decodeFloat(area, st::kWaterMeter1) / 1000);
    fuzzing::checkPrinted("%07.1f", devlink::decodeFloat(area, st::kWaterMeter2) / 1000);
    return 0;
}
