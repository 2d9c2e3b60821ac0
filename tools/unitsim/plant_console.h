// The console's commands for the softener plant: the stop input, alarm and
// chemicals conditions, the speed of the simulated clock, jumps in time, the
// plant type, pinned status bytes and a look at the plant's state.
#pragma once

#include <string>

#include "tools/unitsim/simulator.h"
#include "tools/unitsim/traffic_log.h"

namespace unitsim {

class PlantConsole {
  public:
    PlantConsole(Simulator& simulator, TrafficLog& log) : simulator_(simulator), log_(log) {}

    // False when the command is none of the plant's.
    bool execute(const std::string& command, const std::string& argument, const std::string& extra);

  private:
    void stop(const std::string& argument, const std::string& extra);
    void alarm(const std::string& argument, const std::string& extra);
    void chemicals(const std::string& argument, const std::string& extra);
    void speed(const std::string& argument, const std::string& extra);
    void advance(const std::string& argument, const std::string& extra);
    void plant(const std::string& argument, const std::string& extra);
    void pin(const std::string& argument, const std::string& extra);
    void show(const std::string& argument, const std::string& extra);

    Simulator& simulator_;
    TrafficLog& log_;
};

}  // namespace unitsim
