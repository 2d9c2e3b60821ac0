// The Vantiqo program: answers --help and --version without a window, else
// runs its main window as a modal dialog and ends with it.
#pragma once

#include <string>
#include <vector>

namespace measuring {

class CVantiqoApp {
  public:
    // The text to print for --help or --version, or empty to run the window.
    static std::string commandLineAnswer(const std::vector<std::string>& arguments);
    int run();
};

}  // namespace measuring
