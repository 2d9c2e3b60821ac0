// A unit simulator in a child process of a benchmark, so that the figures
// of the measuring process are its own. It serves until the benchmark
// closes the pipe it holds.
#pragma once

#include <sys/types.h>

#include <string>

#include "tools/unitsim/simulator.h"

namespace bench {

class ChildSimulator {
  public:
    // Starts the simulator bound as comName in the ports folder; false when
    // it did not come up.
    bool start(const unitsim::Config& config, const std::string& ports, const std::string& comName);
    // Lets the child go and waits for it.
    void stop();
    ~ChildSimulator() { stop(); }

  private:
    pid_t child_ = -1;
    int keepAlive_ = -1;
};

}  // namespace bench
