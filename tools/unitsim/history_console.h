// The console's commands for the softener's logs: an alarm with an error
// code, the status history in one or two answers, and a look at both logs.
#pragma once

#include <string>

#include "tools/unitsim/simulator.h"
#include "tools/unitsim/traffic_log.h"

namespace unitsim {

class HistoryConsole {
  public:
    HistoryConsole(Simulator& simulator, TrafficLog& log) : simulator_(simulator), log_(log) {}

    // False when the command is none of the logs'.
    bool execute(const std::string& command, const std::string& argument);

  private:
    void raiseError(const std::string& argument);
    void twoParts(const std::string& argument);
    void show(const std::string& argument);
    void showLog(History history, const char* title);

    Simulator& simulator_;
    TrafficLog& log_;
};

}  // namespace unitsim
