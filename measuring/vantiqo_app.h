// The Vantiqo program: answers --help and --version without a window, else
// runs its main window as a modal dialog and ends with it.
#pragma once

#include "shell/program_start.h"

namespace measuring {

class CVantiqoApp {
  public:
    // Name, version and the --help text (German only, as the program).
    static shell::ProgramDescription description();
    int run();
};

}  // namespace measuring
