#include "measuring/value_recording.h"

namespace measuring {

QuantityName quantityName(char variant) {
    switch (variant) {
        case '1':
            return {"Leitf\u00E4higkeit", "\u00B5S/cm"};
        case '2':
            return {"pH-Wert", ""};
        case '3':
            return {"Redoxpotential", "mV"};
        case '4':
            return {"Chlor", "mg/l"};
        case '5':
            return {"Ozon", "mg/l"};
        case '6':
            return {"Chlordioxid", "mg/l"};
        default:
            return {"Messwert", ""};
    }
}

std::string quantityTitle(char variant) {
    const QuantityName quantity = quantityName(variant);
    const std::string unit = quantity.unit;
    return unit.empty() ? quantity.name : std::string(quantity.name) + " [" + unit + "]";
}

int valueDecimals(char variant) {
    return variant == '2' ? 2 : 1;
}

std::vector<std::string> valueRecordingColumns(char variant) {
    return {quantityTitle(variant), "Temperatur [\u00B0C]"};
}

std::vector<std::string> valueRecordingFields(char variant, const MeasuredValue& measured) {
    // -1 is the unit's word for "no temperature".
    const bool noTemperature = measured.temperature == -1.0;
    return {files::recordingNumber(measured.value, valueDecimals(variant)),
            noTemperature ? std::string() : files::recordingNumber(measured.temperature, 1)};
}

files::NewRecording ValueRecording::start(const std::string& startFolder, const std::string& serial,
                                          const files::WallTime& now, char variant) {
    variant_ = variant;
    files::NewRecording made =
        files::createRecordingFile(startFolder, kValueRecordPrefix, serial, now,
                                   files::recordingHeader(valueRecordingColumns(variant), false));
    path_ = made.created ? made.path : std::string();
    return made;
}

bool ValueRecording::append(const files::WallTime& at, const MeasuredValue& measured) const {
    return !path_.empty() &&
           files::appendRecordingLine(
               path_, files::recordingLine(at, valueRecordingFields(variant_, measured)));
}

}  // namespace measuring
