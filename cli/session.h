// One unit for the length of a command: the console's stand-in for the
// program's window, the line to the unit and, for a controller, the unit
// as its window works with it. Connecting opens the port and dials;
// whatever happens afterwards, the destructor hangs up and closes.
#pragma once

#include <string>

#include "cli/console_ui.h"
#include "cli/controller_unit.h"
#include "cli/invocation.h"
#include "cli/unit_line.h"
#include "devlink/login.h"
#include "measuring/operation_context.h"

namespace cli {

// Which unit, and how to reach it.
struct UnitAddress {
    UnitKind kind = UnitKind::Softener;
    std::string serial;
    LineTarget line;
};

class ControllerSession {
  public:
    ControllerSession(Console& console, const UnitAddress& address, const std::string& folder);
    ExitCode connect() { return line.connect(address_.line); }

    ControllerConsoleUi ui;
    UnitLine line;
    ControllerUnit unit;

  private:
    UnitAddress address_;
};

class MeasuringSession {
  public:
    MeasuringSession(Console& console, const UnitAddress& address);
    ExitCode connect() { return line.connect(address_.line); }
    measuring::OperationContext context() { return {line.link(), login, ui}; }

    MeasuringConsoleUi ui;
    UnitLine line;
    devlink::MeasuringLogin login;

  private:
    UnitAddress address_;
};

// Runs an operation with its messages held (see Console::beginOperation).
template <typename Operation>
bool operation(Console& console, Operation&& run) {
    console.beginOperation();
    const bool done = run();
    console.endOperation(done);
    return done;
}

}  // namespace cli
