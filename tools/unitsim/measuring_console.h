// The console's commands for the measuring unit: the size of its data
// logger, a logger that announces more than it holds or never ends, and a
// measured value without temperature.
#pragma once

#include <string>

#include "tools/unitsim/simulator.h"
#include "tools/unitsim/traffic_log.h"

namespace unitsim {

class MeasuringConsole {
  public:
    MeasuringConsole(Simulator& simulator, TrafficLog& log) : simulator_(simulator), log_(log) {}

    // False when the command is none of the measuring unit's.
    bool execute(const std::string& command, const std::string& argument, const std::string& extra);

  private:
    void logger(const std::string& argument, const std::string& extra);
    void temperature(const std::string& argument);

    Simulator& simulator_;
    TrafficLog& log_;
};

}  // namespace unitsim
