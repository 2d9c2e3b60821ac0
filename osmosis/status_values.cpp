#include "osmosis/status_values.h"

#include "controller/status_values.h"
#include "devlink/fields.h"
#include "osmosis/status_record.h"

namespace osmosis {

namespace {

// Empty positions of this program's masked fields show a blank.
constexpr char kPlaceholder = ' ';

controller::UnitValue plantStatus(std::string_view area) {
    const int code = devlink::decodeByte(area, status::kPlantStatus);
    const char* text = plantStatusText(code);
    controller::UnitValue value = controller::plainText(
        {"plant_status", "Anlagenstatus", "status of plant"}, text ? text : "");
    value.number = code;
    value.present = text != nullptr;
    return value;
}

controller::UnitValue floatValue(std::string_view area, std::size_t offset,
                                 const controller::ValueLabel& label, const char* format,
                                 const char* mask) {
    return controller::maskedFloat(label, devlink::decodeFloat(area, offset), format, mask,
                                   kPlaceholder);
}

}  // namespace

controller::UnitValues statusValues(std::string_view area) {
    controller::UnitValues values;
    values.push_back(plantStatus(area));
    values.push_back(floatValue(
        area, status::kConductivity,
        {"conductivity", "Leitf\u00E4higkeit", "conductivity", "\u00B5S/cm"}, "%07.2f", "####,##"));
    values.push_back(floatValue(area, status::kTemperature,
                                {"temperature", "Temperatur", "temperature", "\u00B0C"}, "%02.0f",
                                "##"));
    values.push_back(floatValue(area, status::kPressure, {"pressure", "Druck", "pressure", "bar"},
                                "%02.0f", "##"));
    values.push_back(floatValue(area, status::kPermeateMeter,
                                {"permeate_meter", "Permeat (WM 1)", "permeate (wm 1)", "m\u00B3"},
                                "%09.4f", "####,####"));
    values.push_back(
        floatValue(area, status::kConcentrateMeter,
                   {"concentrate_meter", "Konzentrat (WM 2)", "concentrate (wm 2)", "m\u00B3"},
                   "%09.4f", "####,####"));
    controller::appendCommonStatus(
        values, area,
        {status::kOperationHours, status::kLastAccessHour, status::kOutputs, status::kFunctions,
         status::kInputs, status::kBlink});
    values.push_back(floatValue(area, status::kCalibrationFactor,
                                {"calibration_factor", "Kalibrierfaktor", "cal. factor"}, "%7.5f",
                                "#,#####"));
    return values;
}

}  // namespace osmosis
