#include "tools/unitsim/status_area.h"

#include "devlink/fields.h"
#include "tools/unitsim/plant_schedule.h"

namespace unitsim {

namespace {

using devlink::encodeByte;
using devlink::encodeFloat;
using devlink::encodeWord32;
using devlink::putField;

std::uint32_t bit(bool on, int position) {
    return on ? 1u << position : 0u;
}

bool flowing(const SoftenerPlant& plant, const InjectedConditions& conditions) {
    return plant.waterFlows() && !conditions.stop;
}

bool supplementary(const SoftenerPlant& plant, int program) {
    return supplementaryProgramRuns(program, plant.simulatedSeconds());
}

// F1/F2 drive the filters' control valves, BV1/BV2 are the service valves.
std::uint32_t outputBits(const SoftenerPlant& plant, const InjectedConditions& conditions) {
    const SoftenerFilter& first = plant.filter(0);
    const SoftenerFilter& second = plant.filter(1);
    const double litres = first.meterLitres + second.meterLitres;
    return bit(first.regenerating(), 7) | bit(first.valveOpen(), 6) |
           bit(second.regenerating(), 5) | bit(second.valveOpen(), 4) |
           bit(flowing(plant, conditions) && pulseRelayOn(litres), 3) |
           bit(supplementary(plant, 0), 2) | bit(supplementary(plant, 1), 1) |
           bit(conditions.alarm, 0);
}

std::uint32_t functionBits(const SoftenerPlant& plant, const InjectedConditions& conditions) {
    return bit(plant.filter(0).regenerating(), 0) | bit(plant.filter(1).regenerating(), 1) |
           bit(supplementary(plant, 0), 2) | bit(supplementary(plant, 1), 3) |
           bit(flowing(plant, conditions), 4) | bit(plant.disinfecting(), 5) |
           bit(conditions.chemicalsLow, 6) | bit(conditions.alarm, 7);
}

// SVC1/SVC2 are the service valves' position switches.
std::uint32_t inputBits(const SoftenerPlant& plant, const InjectedConditions& conditions) {
    return bit(plant.filter(0).valveOpen(), 0) | bit(plant.filter(1).valveOpen(), 1) |
           bit(conditions.stop, 5);
}

std::uint32_t blinkBits(const SoftenerPlant& plant, const InjectedConditions& conditions) {
    const double seconds = plant.simulatedSeconds();
    return bit(plant.filter(0).waiting(), 0) | bit(plant.filter(1).waiting(), 1) |
           bit(supplementaryProgramDue(0, seconds), 2) |
           bit(supplementaryProgramDue(1, seconds), 3) | bit(conditions.alarm, 7);
}

void putFilter(std::string& area, const SoftenerFilter& filter, std::size_t stageOffset,
               std::size_t minutesOffset) {
    putField(area, stageOffset, encodeByte(static_cast<std::uint32_t>(filter.stage)));
    putField(area, minutesOffset,
             encodeByte(static_cast<std::uint32_t>(filter.remainingMinutes())));
}

void putMeasurements(std::string& area, const SoftenerPlant& plant) {
    putField(area, 8, encodeFloat(plant.residualCapacity()));
    putField(area, 48,
             encodeFloat(measuredHardness(plant.settings().hardness, plant.simulatedSeconds())));
    putField(area, 72, encodeFloat(plant.filter(0).meterLitres));
    putField(area, 80, encodeFloat(plant.filter(1).meterLitres));
    putField(area, 120, encodeWord32(plant.operationHours()));
    putField(area, 128, encodeWord32(plant.regenerations()));
}

void putLastAccess(std::string& area, const std::tm& now) {
    putField(area, 148, encodeByte(static_cast<std::uint32_t>(now.tm_hour)));
    putField(area, 150, encodeByte(static_cast<std::uint32_t>(now.tm_min)));
    putField(area, 154, encodeByte(static_cast<std::uint32_t>(now.tm_mday)));
    putField(area, 156, encodeByte(static_cast<std::uint32_t>(now.tm_mon + 1)));
    putField(area, 158, encodeByte(static_cast<std::uint32_t>(now.tm_year % 100)));
}

}  // namespace

std::string composeStatusArea(const SoftenerPlant& plant, const InjectedConditions& conditions,
                              const std::tm& localNow) {
    std::string area(kStatusAreaLength, '0');
    putMeasurements(area, plant);
    putLastAccess(area, localNow);
    putField(area, status::kOutputs, encodeByte(outputBits(plant, conditions)));
    putField(area, status::kFunctions, encodeByte(functionBits(plant, conditions)));
    putField(area, status::kInputs, encodeByte(inputBits(plant, conditions)));
    putFilter(area, plant.filter(0), status::kStage1, status::kMinutes1);
    putFilter(area, plant.filter(1), status::kStage2, status::kMinutes2);
    putField(area, status::kBlink, encodeByte(blinkBits(plant, conditions)));
    return area;
}

}  // namespace unitsim
