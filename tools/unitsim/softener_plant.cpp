#include "tools/unitsim/softener_plant.h"

#include <algorithm>
#include <limits>

namespace unitsim {

namespace {

constexpr double kFlowLitresPerSecond = 1200.0 / 3600.0;  // 1.2 m³/h per filter in service
// How long a used-up filter serves on from its reserve before the unit
// closes its service valve for the regeneration.
constexpr double kReserveSeconds = 30 * 60.0;
// From closing the service valve to the first stage.
constexpr double kWaitSeconds = 5 * 60.0;
constexpr double kHoursAtStart = 1520.0;
constexpr double kEpsilon = 1e-6;
constexpr double kMinStep = 1e-3;
constexpr double kNever = std::numeric_limits<double>::infinity();

void enter(SoftenerFilter& filter, FilterPhase phase, double seconds = 0.0) {
    filter.phase = phase;
    filter.phaseLeft = seconds;
    filter.stage = 0;
}

}  // namespace

SoftenerPlant::SoftenerPlant(const PlantSettings& settings) : settings_(settings) {
    // Part-used filters, so that something happens before long.
    filters_[0].capacity = 0.6 * settings.capacity;
    filters_[0].meterLitres = 18250.0;
    filters_[1].capacity = 0.9 * settings.capacity;
    filters_[1].meterLitres = 3120.0;
    for (SoftenerFilter& filter : filters_)
        filter.drawnLitres = (settings.capacity - filter.capacity) / settings.hardness * 1000.0;
    arrange();
}

void SoftenerPlant::configure(const PlantSettings& settings) {
    const bool retyped = settings.type != settings_.type;
    settings_ = settings;
    for (SoftenerFilter& filter : filters_)
        filter.capacity = std::min(filter.capacity, settings.capacity);
    if (retyped) arrange();
    settle();
}

// A filter in regeneration finishes it; the others start in service, or
// standing by for a change-over plant.
void SoftenerPlant::arrange() {
    SoftenerFilter& first = filters_[0];
    SoftenerFilter& second = filters_[1];
    if (!first.regenerating()) enter(first, FilterPhase::Service);
    if (!settings_.twoFilters())
        enter(second, FilterPhase::Idle);
    else if (!second.regenerating())
        enter(second, settings_.type == PlantType::ChangeOver && first.valveOpen()
                          ? FilterPhase::Standby
                          : FilterPhase::Service);
    settle();
}

void SoftenerPlant::run(double seconds) {
    double left = seconds;
    while (left > 0.0) {
        const double step = std::min(left, std::max(nextEvent(), kMinStep));
        flow(step);
        left -= step;
        settle();
    }
}

double SoftenerPlant::nextEvent() const {
    return std::min(eventIn(0), eventIn(1));
}

double SoftenerPlant::eventIn(int index) const {
    const SoftenerFilter& filter = filters_[index];
    if (filter.phase == FilterPhase::Service) {
        const double rate = loadRate(index);
        return rate > 0.0 ? filter.capacity / rate : kNever;
    }
    const bool timed = filter.waiting() || filter.regenerating();
    // A wait that is over but held up ends with an event of the other filter.
    return timed && filter.phaseLeft > kEpsilon ? filter.phaseLeft : kNever;
}

// Hardness taken out per second, m³·°dH. In a serial plant the leading
// filter, the more used one, takes it all; the one behind only polishes.
double SoftenerPlant::loadRate(int index) const {
    if (!filters_[index].valveOpen()) return 0.0;
    if (settings_.type == PlantType::Serial && index != leadFilter()) return 0.0;
    return kFlowLitresPerSecond / 1000.0 * settings_.hardness;
}

int SoftenerPlant::leadFilter() const {
    int lead = -1;
    for (int i = 0; i < 2; ++i) {
        if (filters_[i].valveOpen() && (lead < 0 || filters_[i].capacity < filters_[lead].capacity))
            lead = i;
    }
    return lead;
}

void SoftenerPlant::flow(double seconds) {
    const std::array<double, 2> rates = {loadRate(0), loadRate(1)};
    for (int i = 0; i < 2; ++i) {
        SoftenerFilter& filter = filters_[i];
        if (filter.valveOpen()) {
            filter.meterLitres += kFlowLitresPerSecond * seconds;
            filter.drawnLitres += kFlowLitresPerSecond * seconds;
        }
        filter.capacity = std::max(0.0, filter.capacity - rates[i] * seconds);
        if (filter.waiting() || filter.regenerating())
            filter.phaseLeft = std::max(0.0, filter.phaseLeft - seconds);
    }
    seconds_ += seconds;
}

void SoftenerPlant::settle() {
    // Each pass moves a filter at most one phase on; a few passes see a
    // change-over through.
    for (int pass = 0; pass < 8; ++pass) {
        const bool first = moveOn(0);
        const bool second = moveOn(1);
        if (!first && !second) return;
    }
}

bool SoftenerPlant::moveOn(int index) {
    SoftenerFilter& filter = filters_[index];
    switch (filter.phase) {
        case FilterPhase::Service:
            if (filter.capacity > kEpsilon) return false;
            filter.capacity = 0.0;
            enter(filter, FilterPhase::Reserve, kReserveSeconds);
            return true;
        case FilterPhase::Reserve:
            return leaveReserve(index);
        case FilterPhase::Waiting:
            if (filter.phaseLeft > kEpsilon || other(index).regenerating()) return false;
            beginRegeneration(index, PlantEvent::AutomaticRegeneration);
            return true;
        case FilterPhase::Regenerating:
            if (filter.phaseLeft > kEpsilon) return false;
            nextStage(index);
            return true;
        default:
            return false;
    }
}

// A change-over plant switches to the other filter as soon as it stands by;
// the others close the valve once the reserve time is over and no other
// regeneration is under way.
bool SoftenerPlant::leaveReserve(int index) {
    SoftenerFilter& filter = filters_[index];
    SoftenerFilter& partner = other(index);
    if (settings_.type == PlantType::ChangeOver) {
        if (partner.phase != FilterPhase::Standby) return false;
        enter(partner, FilterPhase::Service);
    } else if (filter.phaseLeft > kEpsilon || partner.phase == FilterPhase::Waiting ||
               partner.regenerating()) {
        return false;
    }
    enter(filter, FilterPhase::Waiting, kWaitSeconds);
    return true;
}

void SoftenerPlant::beginRegeneration(int index, PlantEvent::Kind kind) {
    SoftenerFilter& filter = filters_[index];
    events_.push_back({kind, index, filter.drawnLitres, seconds_});
    filter.drawnLitres = 0.0;
    filter.stage = 0;
    nextStage(index);
}

// Stages of 0 minutes are passed over.
void SoftenerPlant::nextStage(int index) {
    SoftenerFilter& filter = filters_[index];
    const std::vector<int>& minutes = settings_.stageMinutes;
    auto next = static_cast<std::size_t>(filter.stage);
    while (next < minutes.size() && minutes[next] <= 0) ++next;
    if (next >= minutes.size()) return finishRegeneration(index);
    filter.phase = FilterPhase::Regenerating;
    filter.stage = static_cast<int>(next) + 1;
    filter.phaseLeft = minutes[next] * 60.0;
}

void SoftenerPlant::finishRegeneration(int index) {
    SoftenerFilter& filter = filters_[index];
    filter.capacity = settings_.capacity;
    ++regenerations_;
    const bool standby = settings_.type == PlantType::ChangeOver && other(index).valveOpen();
    enter(filter, standby ? FilterPhase::Standby : FilterPhase::Service);
}

// A stopped regeneration leaves the filter as far as it got: its capacity
// comes back only with a complete regeneration.
void SoftenerPlant::returnFromRegeneration(int index) {
    const bool standby = settings_.type == PlantType::ChangeOver && other(index).valveOpen();
    enter(filters_[index], standby ? FilterPhase::Standby : FilterPhase::Service);
}

// The filter waiting for its regeneration, else the one carrying the load;
// -1 when none can regenerate.
int SoftenerPlant::dueFilter() const {
    for (int i = 0; i < 2; ++i)
        if (filters_[i].waiting()) return i;
    return leadFilter();
}

bool SoftenerPlant::startStopRegeneration() {
    for (int i = 0; i < 2; ++i) {
        if (!filters_[i].regenerating()) continue;
        returnFromRegeneration(i);
        settle();
        return true;
    }
    const int index = dueFilter();
    if (index < 0) return false;
    // A change-over plant keeps its water: the filter standing by takes over.
    if (settings_.type == PlantType::ChangeOver && filters_[index].valveOpen()) {
        if (other(index).phase != FilterPhase::Standby) return false;
        enter(other(index), FilterPhase::Service);
    }
    beginRegeneration(index, PlantEvent::ManualRegeneration);
    settle();
    return true;
}

bool SoftenerPlant::reserveFilterOf(int& index) const {
    if (!settings_.twoFilters() || filters_[0].regenerating() || filters_[1].regenerating())
        return false;
    if (settings_.type == PlantType::ChangeOver) {
        for (int i = 0; i < 2; ++i)
            if (filters_[i].phase == FilterPhase::Standby) index = i;
        return filters_[index].phase == FilterPhase::Standby;
    }
    const int lead = leadFilter();
    if (lead < 0) return false;
    index = 1 - lead;
    return true;
}

bool SoftenerPlant::regenerateReserveFilter() {
    int index = 0;
    if (!reserveFilterOf(index)) return false;
    beginRegeneration(index, PlantEvent::ManualRegeneration);
    settle();
    return true;
}

bool SoftenerPlant::changeFilters() {
    if (settings_.type != PlantType::ChangeOver) return false;
    for (int i = 0; i < 2; ++i) {
        if (!filters_[i].valveOpen() || other(i).phase != FilterPhase::Standby) continue;
        events_.push_back({PlantEvent::FilterChange, i, filters_[i].drawnLitres, seconds_});
        enter(other(i), FilterPhase::Service);
        enter(filters_[i], FilterPhase::Standby);
        settle();
        return true;
    }
    return false;
}

std::vector<PlantEvent> SoftenerPlant::takeEvents() {
    std::vector<PlantEvent> events;
    events.swap(events_);
    return events;
}

double SoftenerPlant::residualCapacity() const {
    const int lead = leadFilter();
    return lead < 0 ? 0.0 : filters_[lead].capacity;
}

std::uint32_t SoftenerPlant::operationHours() const {
    return static_cast<std::uint32_t>(kHoursAtStart + seconds_ / 3600.0);
}

bool SoftenerPlant::waterFlows() const {
    return filters_[0].valveOpen() || filters_[1].valveOpen();
}

bool SoftenerPlant::disinfecting() const {
    return std::any_of(filters_.begin(), filters_.end(), [](const SoftenerFilter& filter) {
        return filter.regenerating() && filter.stage == 2;
    });
}

}  // namespace unitsim
