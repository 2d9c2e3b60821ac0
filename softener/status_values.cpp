#include "softener/status_values.h"

#include "controller/status_values.h"
#include "devlink/fields.h"
#include "softener/status_record.h"

namespace softener {

namespace {

using controller::UnitValue;
using controller::ValueLabel;

// Where the parameter record holds what the status page needs.
constexpr std::size_t kHardnessParameter = 0;
constexpr std::size_t kPlantTypeParameter = 108;
constexpr std::size_t kHardnessUnitParameter = 114;
constexpr std::size_t kMeasuredHardnessBox = 116;

constexpr char kPlaceholder = '_';

struct StageField {
    std::size_t filter1;
    std::size_t filter2;
    const char* format;
    const char* mask;
    const char* reset;  // the zeros a reset shows
};

UnitValue stageValue(const ValueLabel& label, std::string_view area, StageShown shown,
                     const StageField& field) {
    if (shown == StageShown::Reset)
        return controller::maskedInteger(label, 0, field.reset, field.mask, kPlaceholder);
    const std::size_t offset = shown == StageShown::Filter2 ? field.filter2 : field.filter1;
    return controller::maskedInteger(label, devlink::decodeByte(area, offset), field.format,
                                     field.mask, kPlaceholder);
}

void appendPlantStatus(controller::UnitValues& values, std::string_view area, int plantType) {
    const int code = plantStatusCode(plantType, area);
    const PlantStatus status = plantStatusText(code);
    UnitValue text = controller::labelledValue({"plant_status", "Anlagenstatus", "status of plant"},
                                               controller::ValueType::Text);
    text.number = code;
    UnitValue stage =
        stageValue({"regeneration_stage", "Regenerationsstufe", "regeneration stage"}, area,
                   status.stage, {status::kStage1, status::kStage2, "%1i", "#", "%01i"});
    UnitValue minutes =
        stageValue({"remaining_time", "Restzeit Reg.-Stufe", "remaining time reg.-stage", "min."},
                   area, status.stage, {status::kMinutes1, status::kMinutes2, "%2i", "##", "%02i"});
    if (status.german) {
        text.shown = controller::bothLanguages(status.german, status.english);
        text.text = status.german;
    } else {
        text.present = stage.present = minutes.present = false;
    }
    values.push_back(text);
    values.push_back(stage);
    values.push_back(minutes);
}

}  // namespace

controller::UnitValues statusValues(std::string_view area, const controller::UnitRecord& record,
                                    bool measuredHardness) {
    using controller::maskedFloat;
    const std::string& parameters = record.text();
    const int unit = devlink::decodeByte(parameters, kHardnessUnitParameter);
    const double hardness = measuredHardness ? devlink::decodeFloat(area, status::kMeasuredHardness)
                                             : devlink::decodeFloat(parameters, kHardnessParameter);
    controller::UnitValues values;
    appendPlantStatus(values, area, devlink::decodeByte(parameters, kPlantTypeParameter));
    values.push_back(maskedFloat({"residual_capacity", "Restkapazit\u00E4t", "residual capacity",
                                  controller::capacityUnitText(unit)},
                                 devlink::decodeFloat(area, status::kResidualCapacity), "%06.1f",
                                 "####,#", kPlaceholder));
    values.push_back(maskedFloat({"total_hardness", "Rohwasserh\u00E4rte", "total water hardness",
                                  controller::hardnessUnitText(unit)},
                                 hardness, "%05.1f", "###,#", kPlaceholder));
    values.push_back(maskedFloat(
        {"water_meter_1", "Wasserz\u00E4hler 1", "water meter 1", "m\u00B3"},
        devlink::decodeFloat(area, status::kWaterMeter1) / 1000, "%7.1f", "#####,#", kPlaceholder));
    values.push_back(
        maskedFloat({"water_meter_2", "Wasserz\u00E4hler 2", "water meter 2", "m\u00B3"},
                    devlink::decodeFloat(area, status::kWaterMeter2) / 1000, "%07.1f", "#####,#",
                    kPlaceholder));
    controller::appendCommonStatus(
        values, area,
        {status::kOperationHours, status::kLastAccessHour, status::kOutputs, status::kFunctions,
         status::kInputs, status::kBlink});
    return values;
}

controller::UnitValues statusValues(std::string_view area, const controller::UnitRecord& record) {
    return statusValues(area, record,
                        devlink::decodeByte(record.text(), kMeasuredHardnessBox) != 0);
}

}  // namespace softener
