// The one main() of every program of the suite: information options on the
// terminal, the application object, the program start, then the program's
// window.
#pragma once

#include <functional>
#include <string>

#include "shell/program_start.h"

namespace shell {

// run gets the whole command line (program path and arguments) and returns
// the exit code.
int programMain(int argc, char** argv, const ProgramDescription& program,
                const std::function<int(const std::string& commandLine)>& run);

}  // namespace shell
