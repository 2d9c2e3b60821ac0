// Commands a person types while the simulator runs: change the login level
// or serial number, slow the line down, make the next answers go wrong, or
// work the softener plant (see PlantConsole) or the modem (see ModemConsole).
#pragma once

#include <string>

#include "tools/unitsim/history_console.h"
#include "tools/unitsim/measuring_console.h"
#include "tools/unitsim/modem_console.h"
#include "tools/unitsim/plant_console.h"
#include "tools/unitsim/simulator.h"
#include "tools/unitsim/traffic_log.h"

namespace unitsim {

class Console {
  public:
    Console(Simulator& simulator, TrafficLog& log)
        : simulator_(simulator),
          log_(log),
          plant_(simulator, log),
          modem_(simulator, log),
          history_(simulator, log),
          measuring_(simulator, log) {}

    // Carries out one line; false when it asks to quit.
    bool execute(const std::string& line);

  private:
    void setLevel(const std::string& argument);
    void setSerialNumber(const std::string& argument);
    void setBaud(const std::string& argument);
    void setFault(const std::string& name, const std::string& count);

    Simulator& simulator_;
    TrafficLog& log_;
    PlantConsole plant_;
    ModemConsole modem_;
    HistoryConsole history_;
    MeasuringConsole measuring_;
};

}  // namespace unitsim
