// The reverse-osmosis unit's status area: the 110 characters behind
// "DSI|", and what the status page makes of them.
#pragma once

#include <cstddef>
#include <string_view>

#include "controller/status_fields.h"

namespace osmosis {

inline constexpr std::size_t kStatusLength = 110;

namespace status {
inline constexpr std::size_t kConductivity = 0;        // float, µS/cm
inline constexpr std::size_t kTemperature = 8;         // float, °C
inline constexpr std::size_t kCalibrationFactor = 24;  // float, shown on parameter page 2
inline constexpr std::size_t kPressure = 40;           // float, bar
inline constexpr std::size_t kPermeateMeter = 48;      // float, m³
inline constexpr std::size_t kConcentrateMeter = 56;   // float, m³
inline constexpr std::size_t kOperationHours = 64;     // word32
inline constexpr std::size_t kLastAccessHour = 84;     // minute 86, day 90, month 92, year 94
inline constexpr std::size_t kPlantStatus = 96;
inline constexpr std::size_t kOutputs = 98;
inline constexpr std::size_t kFunctions = 100;
inline constexpr std::size_t kInputs = 102;
inline constexpr std::size_t kBlink = 104;
}  // namespace status

// The plant-status text of a code (the same in both languages), or nullptr
// for 0 and every code without a text: the status text then stays as it was.
const char* plantStatusText(int code);

// The 24 lamps: functions and inputs from bit 0, outputs from bit 7 down.
controller::LampBits lampBits(std::string_view area);

}  // namespace osmosis
