// The softener unit's status area: the 190 characters behind "DSI|", and
// what the status page makes of them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "controller/status_fields.h"

namespace softener {

inline constexpr std::size_t kStatusLength = 190;

namespace status {
inline constexpr std::size_t kResidualCapacity = 8;
inline constexpr std::size_t kMeasuredHardness = 48;
inline constexpr std::size_t kWaterMeter1 = 72;
inline constexpr std::size_t kWaterMeter2 = 80;
inline constexpr std::size_t kOperationHours = 120;
inline constexpr std::size_t kLastAccessHour = 148;  // minute 150, day 154, month 156, year 158
inline constexpr std::size_t kOutputs = 162;
inline constexpr std::size_t kFunctions = 164;
inline constexpr std::size_t kInputs = 166;
inline constexpr std::size_t kStage1 = 172;
inline constexpr std::size_t kMinutes1 = 174;
inline constexpr std::size_t kStage2 = 176;
inline constexpr std::size_t kMinutes2 = 178;
inline constexpr std::size_t kBlink = 186;
}  // namespace status

// Plant types of the parameter record.
enum PlantType { OneFilter = 1, ChangeOver = 2, Parallel = 4, Serial = 8 };

// The plant-status code: low nibble filter 1, high nibble filter 2
// (1 standby, 2 service, 3 waiting for regeneration, 4 regeneration);
// one-filter plants 2 to 5; 0x88 Stop; 0 when no rule applies.
int plantStatusCode(int plantType, std::string_view area);

enum class StageShown { Reset, Filter1, Filter2 };

struct PlantStatus {
    const char* german;
    const char* english;
    StageShown stage;
};

// The text and stage display of a code; nullptr texts for code 0 and for
// codes without a text (the status text is then left as it was).
PlantStatus plantStatusText(int code);

// "dd.mm.yy hh:mm" of the last access, two digits each.
std::string lastAccessText(std::string_view area);

// The 24 lamps, left to right: functions, inputs, outputs.
controller::LampBits lampBits(std::string_view area);

}  // namespace softener
