// aquendor-ports: the serial devices of this computer with their stable
// names, and the COM1 ... COM9 names the programs of the suite open, which
// it binds to devices.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace ports {

// Runs the command with its arguments (without the program name); the exit
// code: 0 done, 1 failed, 2 wrong use.
int runPortsCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err);

}  // namespace ports
