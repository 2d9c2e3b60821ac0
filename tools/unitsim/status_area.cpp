#include "tools/unitsim/status_area.h"

#include "devlink/fields.h"

namespace unitsim {

namespace {

using devlink::encodeByte;
using devlink::encodeFloat;
using devlink::encodeWord32;
using devlink::putField;

// One cycle of filter 1: service until the capacity is used up, then five
// regeneration stages of two minutes each.
constexpr double kServiceSeconds = 600.0;
constexpr double kStageSeconds = 120.0;
constexpr int kStages = 5;
constexpr double kCycleSeconds = kServiceSeconds + kStages * kStageSeconds;

constexpr double kFullCapacity = 250.0;
constexpr double kReserveCapacity = 12.5;
constexpr double kHardness = 8.4;                            // °dH
constexpr double kMeter1Start = 18250.0, kMeter1Rate = 0.8;  // litres, litres per second
constexpr double kMeter2Start = 3120.0, kMeter2Rate = 0.25;
constexpr std::uint32_t kHoursStart = 1520;
constexpr std::uint32_t kRegenerationsStart = 37;

struct Regeneration {
    int stage = 0;  // 0: the filter is in service
    int remainingMinutes = 0;
};

Regeneration regenerationAt(double cycleSeconds) {
    if (cycleSeconds < kServiceSeconds) return {};
    const double inRegeneration = cycleSeconds - kServiceSeconds;
    const int stage = static_cast<int>(inRegeneration / kStageSeconds);
    const double left = (stage + 1) * kStageSeconds - inRegeneration;
    return {stage + 1, static_cast<int>((left + 59.0) / 60.0)};
}

double residualCapacityAt(double cycleSeconds) {
    if (cycleSeconds >= kServiceSeconds) return kReserveCapacity;
    return kFullCapacity - (kFullCapacity - kReserveCapacity) * cycleSeconds / kServiceSeconds;
}

void putLastAccess(std::string& area, const std::tm& now) {
    putField(area, 148, encodeByte(static_cast<std::uint32_t>(now.tm_hour)));
    putField(area, 150, encodeByte(static_cast<std::uint32_t>(now.tm_min)));
    putField(area, 154, encodeByte(static_cast<std::uint32_t>(now.tm_mday)));
    putField(area, 156, encodeByte(static_cast<std::uint32_t>(now.tm_mon + 1)));
    putField(area, 158, encodeByte(static_cast<std::uint32_t>(now.tm_year % 100)));
}

void putFilter1(std::string& area, const Regeneration& regeneration) {
    const bool regenerating = regeneration.stage != 0;
    putField(area, 162, encodeByte(regenerating ? 0x01 : 0x00));  // output bits
    putField(area, 164, encodeByte(regenerating ? 0x01 : 0x00));  // function bits
    putField(area, 172, encodeByte(static_cast<std::uint32_t>(regeneration.stage)));
    putField(area, 174, encodeByte(static_cast<std::uint32_t>(regeneration.remainingMinutes)));
}

}  // namespace

std::string StatusArea::at(std::int64_t nowUs, const std::tm& localNow) const {
    const double seconds = static_cast<double>(nowUs - startUs_) / 1e6;
    const double inCycle = seconds - kCycleSeconds * static_cast<int>(seconds / kCycleSeconds);
    std::string area(kStatusAreaLength, '0');
    putField(area, 8, encodeFloat(residualCapacityAt(inCycle)));
    putField(area, 48, encodeFloat(kHardness));
    putField(area, 72, encodeFloat(kMeter1Start + kMeter1Rate * seconds));
    putField(area, 80, encodeFloat(kMeter2Start + kMeter2Rate * seconds));
    putField(area, 120, encodeWord32(kHoursStart + static_cast<std::uint32_t>(seconds / 3600.0)));
    putField(
        area, 128,
        encodeWord32(kRegenerationsStart + static_cast<std::uint32_t>(seconds / kCycleSeconds)));
    putLastAccess(area, localNow);
    putFilter1(area, regenerationAt(inCycle));
    return area;
}

}  // namespace unitsim
