// The softener plant behind the status area: water flows through the filters
// in service, their meters count and their residual capacity falls with the
// hardness taken out. A used-up filter waits for its regeneration, then goes
// through the regeneration stages. Two-filter plants regenerate one filter at
// a time; a change-over plant keeps the other filter in service meanwhile.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "tools/unitsim/plant_settings.h"
#include "tools/unitsim/softener_filter.h"

namespace unitsim {

// What the unit writes into its status history.
struct PlantEvent {
    enum Kind { AutomaticRegeneration, ManualRegeneration, FilterChange };
    Kind kind;
    int filter;        // 0 or 1; a filter change names the filter leaving service
    double litres;     // drawn through the filter since its last regeneration
    double atSeconds;  // simulated time of the event
};

class SoftenerPlant {
  public:
    explicit SoftenerPlant(const PlantSettings& settings);

    // A written record takes effect at once: another plant type lays the
    // filters out anew; a smaller exchange capacity cuts the residual ones.
    void configure(const PlantSettings& settings);
    // Runs the plant for this many simulated seconds.
    void run(double seconds);

    const PlantSettings& settings() const { return settings_; }
    const SoftenerFilter& filter(int index) const { return filters_[index]; }
    double simulatedSeconds() const { return seconds_; }
    // The residual capacity of the filter taking the load, 0 when none is in service.
    double residualCapacity() const;
    std::uint32_t operationHours() const;
    std::uint32_t regenerations() const { return regenerations_; }
    bool waterFlows() const;
    bool disinfecting() const;  // chlorine is made while a filter draws brine

    // The operator's commands; each returns false when the plant's state
    // does not allow it and nothing changed.
    // Stops a running regeneration (the filter returns as it is), else
    // regenerates the filter that is due or carries the load.
    bool startStopRegeneration();
    // Regenerates the filter that does not carry the load: the one standing
    // by, or the one behind in a serial plant. A one-filter plant has none.
    bool regenerateReserveFilter();
    // Change-over plant: the filter standing by takes over service.
    bool changeFilters();

    // The events since the last call, oldest first.
    std::vector<PlantEvent> takeEvents();

  private:
    void arrange();
    double nextEvent() const;
    double eventIn(int index) const;
    double loadRate(int index) const;
    int leadFilter() const;
    void flow(double seconds);
    void settle();
    bool moveOn(int index);
    bool leaveReserve(int index);
    void beginRegeneration(int index, PlantEvent::Kind kind);
    void nextStage(int index);
    void finishRegeneration(int index);
    void returnFromRegeneration(int index);
    int dueFilter() const;
    bool reserveFilterOf(int& index) const;
    SoftenerFilter& other(int index) { return filters_[1 - index]; }

    PlantSettings settings_;
    std::array<SoftenerFilter, 2> filters_;
    double seconds_ = 0.0;
    std::uint32_t regenerations_ = 37;
    std::vector<PlantEvent> events_;
};

}  // namespace unitsim
