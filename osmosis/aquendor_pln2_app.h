// The reverse-osmosis program: runs its main window as a modal dialog and
// ends with it.
#pragma once

#include <string>

class CAquendorPLN2App {
  public:
    int run(const std::string& commandLine);
};
