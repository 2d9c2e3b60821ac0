// The unit's current measured value and temperature from its RMV answer,
// and the line of text the window shows for them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace measuring {

struct MeasuredValue {
    double value = 0.0;
    double temperature = 0.0;  // -1: the unit has no temperature
};

// The answer as received, checksum and end byte included. The value sits at
// characters 8 to 15 and the temperature at 16 to 23, both IEEE 754 single
// precision in hex; an answer too short to hold both gives nothing.
std::optional<MeasuredValue> decodeMeasuredValue(std::string_view answer);

// The display text (UTF-8) for a unit variant "1" to "6"; for any other
// variant the numbers without a unit.
std::string measuredValueText(char variant, const MeasuredValue& measured);

// The temperature part: "%4.1f", or "--.-" for exactly -1.
std::string temperatureText(double temperature);

}  // namespace measuring
