// The unit behind the line: checks each request and answers it as the
// configured kind of unit does.
#pragma once

#include <optional>
#include <string_view>

#include "tools/unitsim/measuring_unit.h"
#include "tools/unitsim/osmosis_unit.h"
#include "tools/unitsim/request.h"
#include "tools/unitsim/simulator.h"
#include "tools/unitsim/softener.h"

namespace unitsim {

class Unit {
  public:
    explicit Unit(const Config& config);

    // Nothing when the telegram has no command word at all.
    std::optional<Reply> answer(std::string_view telegram);

    Config& config() { return config_; }
    const Config& config() const { return config_; }
    Softener& softener() { return softener_; }
    const Softener& softener() const { return softener_; }
    OsmosisUnit& osmosis() { return osmosis_; }
    // The controller the configured kind plays: the reverse-osmosis unit,
    // else the softener.
    ControllerUnit& controller();
    MeasuringUnit& measuring() { return measuring_; }
    const MeasuringUnit& measuring() const { return measuring_; }

  private:
    Reply answerValid(const Request& request);
    Reply answerSoftener(const Request& request);

    Config config_;
    Softener softener_;
    OsmosisUnit osmosis_;
    MeasuringUnit measuring_;
};

}  // namespace unitsim
