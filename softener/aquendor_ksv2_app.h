// The softener program: runs its main window as a modal dialog and ends with it.
#pragma once

#include <string>

class CAquendorKSV2App {
  public:
    int run(const std::string& commandLine);
};
