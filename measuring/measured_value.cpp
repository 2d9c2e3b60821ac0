#include "measuring/measured_value.h"

#include "devlink/fields.h"
#include "measuring/number_format.h"

namespace measuring {

namespace {

constexpr std::size_t kValueAt = 8;
constexpr std::size_t kTemperatureAt = 16;
constexpr std::size_t kFieldsEnd = 24;
constexpr std::size_t kTrailer = 3;  // checksum and end byte

}  // namespace

std::optional<MeasuredValue> decodeMeasuredValue(std::string_view answer) {
    if (answer.size() < kFieldsEnd + kTrailer) return std::nullopt;
    const std::string_view body = answer.substr(0, answer.size() - kTrailer);
    return MeasuredValue{devlink::decodeFloat(body, kValueAt),
                         devlink::decodeFloat(body, kTemperatureAt)};
}

std::string temperatureText(double temperature) {
    if (temperature == -1.0) return "--.-";
    return formatFixed(temperature, 4, 1, false);
}

std::string measuredValueText(char variant, const MeasuredValue& measured) {
    const std::string t = " T= " + temperatureText(measured.temperature) + " \u00B0C";
    const double v = measured.value;
    switch (variant) {
        case '1':
            return formatFixed(v, 7, 1, true) + " \u00B5S/cm" + t;
        case '2':
            return "pH " + formatFixed(v, 5, 2, true) + t;
        case '3':
            return formatFixed(v, 7, 1, true) + " mV" + t;
        case '4':
        case '5':
        case '6':
            return formatFixed(v, 4, 1, true) + " mg/l" + t;
        default:
            return formatFixed(v, 7, 1, true) + t;
    }
}

}  // namespace measuring
