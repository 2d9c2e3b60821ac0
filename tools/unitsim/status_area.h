// The softener's 190-character status area, written from the state of the
// plant and the conditions put on it.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>

#include "tools/unitsim/injected_conditions.h"
#include "tools/unitsim/softener_plant.h"

namespace unitsim {

inline constexpr std::size_t kStatusAreaLength = 190;
// A byte of the status area the unit does not use.
inline constexpr std::size_t kStatusSpareOffset = 188;

// Where the program finds the plant's state in the area.
namespace status {
inline constexpr std::size_t kOutputs = 162;
inline constexpr std::size_t kFunctions = 164;
inline constexpr std::size_t kInputs = 166;
inline constexpr std::size_t kStage1 = 172, kMinutes1 = 174;
inline constexpr std::size_t kStage2 = 176, kMinutes2 = 178;
inline constexpr std::size_t kBlink = 186;
}  // namespace status

// localNow is the time of this access, which the unit reports as the last one.
std::string composeStatusArea(const SoftenerPlant& plant, const InjectedConditions& conditions,
                              const std::tm& localNow);

}  // namespace unitsim
