#include "tools/unitsim/osmosis_plant.h"

#include <algorithm>
#include <cmath>

#include "devlink/fields.h"

namespace unitsim {

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kStepSeconds = 30.0;
constexpr double kFillPerSecond = 1.0 / 3600.0;          // production fills the tank in an hour
constexpr double kPermeatePerSecond = 0.8 / 3600.0;      // m³
constexpr double kConcentratePerSecond = 0.27 / 3600.0;  // m³
constexpr double kFlushWaterPerSecond = 1.2 / 3600.0;    // m³ to the drain

double wave(double seconds, double period, double phase = 0.0) {
    return std::sin(2.0 * kPi * seconds / period + phase);
}

// Water drawn from the tank: more by day than by night.
double drawPerSecond(double seconds) {
    return (0.45 + 0.25 * wave(seconds, 86400.0)) / 3600.0;
}

double within(double value, double low, double high, double fallback) {
    return value >= low && value <= high ? value : fallback;
}

}  // namespace

OsmosisSettings OsmosisSettings::fromRecord(std::string_view record) {
    using devlink::decodeByte;
    OsmosisSettings s;
    s.flushMinutes = within(devlink::decodeWord16(record, 80), 1, 99, 1.0);
    s.intervalHours = within(devlink::decodeWord16(record, 72), 1, 999, 90.0);
    s.intervalFlushMinutes = within(decodeByte(record, 84), 1, 99, 2.0);
    s.qualityFlush = decodeByte(record, 86) != 0;
    s.qualityFlushMinutes = within(decodeByte(record, 88), 1, 99, 5.0);
    s.pumpMode = decodeByte(record, 112);
    s.maxConductivity = within(devlink::decodeFloat(record, 48), 1.0, 9999.0, 100.0);
    return s;
}

OsmosisPlant::OsmosisPlant(const OsmosisSettings& settings) : settings_(settings) {}

OsmosisState OsmosisPlant::state() const {
    return stopped_ || stopInput_ ? OsmosisState::Stopped : state_;
}

void OsmosisPlant::run(double seconds, bool stopInput) {
    stopInput_ = stopInput;
    while (seconds > 0.0) {
        const double slice = std::min({seconds, kStepSeconds, nextChange()});
        step(slice);
        seconds -= slice;
        change();
    }
}

double OsmosisPlant::nextChange() const {
    if (state() == OsmosisState::Flushing || state() == OsmosisState::QualityFlush)
        return std::max(stateLeft_, 0.0);
    return kStepSeconds;
}

void OsmosisPlant::step(double seconds) {
    seconds_ += seconds;
    tank_ = std::max(0.0, tank_ - drawPerSecond(seconds_) * seconds);
    switch (state()) {
        case OsmosisState::Production:
            tank_ = std::min(1.0, tank_ + kFillPerSecond * seconds);
            permeate_ += kPermeatePerSecond * seconds;
            concentrate_ += kConcentratePerSecond * seconds;
            break;
        case OsmosisState::Flushing:
        case OsmosisState::QualityFlush:
            concentrate_ += kFlushWaterPerSecond * seconds;
            stateLeft_ -= seconds;
            break;
        case OsmosisState::Standby:
            sinceRun_ += seconds;
            break;
        case OsmosisState::Stopped:
            break;
    }
    if (pumping()) pumpSeconds_ += seconds;
}

void OsmosisPlant::change() {
    switch (state()) {
        case OsmosisState::Production:
            if (tankFull()) {
                state_ = OsmosisState::Standby;
                sinceRun_ = 0.0;
            }
            break;
        case OsmosisState::Flushing:
        case OsmosisState::QualityFlush:
            if (stateLeft_ <= 0.0) endFlush();
            break;
        case OsmosisState::Standby:
            // A start flushes the membrane first; so does a long rest.
            if (!tankAboveLow())
                startFlush(settings_.flushMinutes, settings_.qualityFlush
                                                       ? OsmosisState::QualityFlush
                                                       : OsmosisState::Production);
            else if (sinceRun_ >= settings_.intervalHours * 3600.0)
                startFlush(settings_.intervalFlushMinutes, OsmosisState::Standby);
            break;
        case OsmosisState::Stopped:
            break;
    }
}

void OsmosisPlant::startFlush(double minutes, OsmosisState after) {
    state_ = OsmosisState::Flushing;
    stateLeft_ = minutes * 60.0;
    afterFlush_ = after;
}

// A quality flush follows the flush and hands over to production; the
// pumps take turns at every start when they alternate.
void OsmosisPlant::endFlush() {
    if (afterFlush_ == OsmosisState::QualityFlush) {
        state_ = OsmosisState::QualityFlush;
        stateLeft_ = settings_.qualityFlushMinutes * 60.0;
        afterFlush_ = OsmosisState::Production;
        return;
    }
    state_ = afterFlush_;
    sinceRun_ = 0.0;
    if (state_ == OsmosisState::Production) secondPump_ = !secondPump_;
}

void OsmosisPlant::startStop() {
    stopped_ = !stopped_;
}

void OsmosisPlant::flush() {
    if (state() == OsmosisState::Stopped) return;
    const OsmosisState after =
        state_ == OsmosisState::Production ? OsmosisState::Production : OsmosisState::Standby;
    startFlush(settings_.flushMinutes, after);
}

std::uint32_t OsmosisPlant::operationHours() const {
    return static_cast<std::uint32_t>(pumpSeconds_ / 3600.0);
}

bool OsmosisPlant::pumping() const {
    const OsmosisState now = state();
    return now == OsmosisState::Production || now == OsmosisState::Flushing ||
           now == OsmosisState::QualityFlush;
}

// Only pump 1 (2), only pump 2 (4), taking turns (0), else both in series.
bool OsmosisPlant::pumpRuns(int pump) const {
    if (!pumping()) return false;
    switch (settings_.pumpMode) {
        case 2:
            return pump == 1;
        case 4:
            return pump == 2;
        case 0:
            return (pump == 2) == secondPump_;
        default:
            return true;
    }
}

bool OsmosisPlant::flushValveOpen() const {
    const OsmosisState now = state();
    return now == OsmosisState::Flushing || now == OsmosisState::QualityFlush;
}

// A flush washes salt off the membrane: the permeate is worse meanwhile.
double OsmosisPlant::permeateConductivity() const {
    const double base = 8.5 + 1.5 * wave(seconds_, 1800.0);
    return flushValveOpen() ? base + 4.0 : base;
}

double OsmosisPlant::rawConductivity() const {
    return 640.0 + 25.0 * wave(seconds_, 43200.0);
}

double OsmosisPlant::temperature() const {
    return 13.0 + 1.2 * wave(seconds_, 86400.0, 1.0);
}

// The pumps' pressure on the membrane; the inlet's alone at rest.
double OsmosisPlant::pressure() const {
    switch (state()) {
        case OsmosisState::Production:
            return 11.0 + 0.6 * wave(seconds_, 600.0);
        case OsmosisState::Flushing:
        case OsmosisState::QualityFlush:
            return 4.5;
        default:
            return 2.8;
    }
}

}  // namespace unitsim
