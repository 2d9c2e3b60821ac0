// The console's "modem" commands: what the modem answers the next dial
// commands and escapes with, a broken connection, and a look at its state.
#pragma once

#include <string>

#include "tools/unitsim/simulator.h"
#include "tools/unitsim/traffic_log.h"

namespace unitsim {

class ModemConsole {
  public:
    ModemConsole(Simulator& simulator, TrafficLog& log) : simulator_(simulator), log_(log) {}

    // "modem", "modem OUTCOME", "modem drop" or "modem escape RESPONSE".
    void execute(const std::string& argument, const std::string& extra);

  private:
    void show();
    void drop();
    void escape(const std::string& response);

    Simulator& simulator_;
    TrafficLog& log_;
};

}  // namespace unitsim
