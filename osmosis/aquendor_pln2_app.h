// The reverse-osmosis program: runs its main window as a modal dialog and
// ends with it.
#pragma once

#include <string>

#include "shell/program_start.h"

class CAquendorPLN2App {
  public:
    // Name, version and the --help texts.
    static shell::ProgramDescription description();
    int run(const std::string& commandLine);
};
