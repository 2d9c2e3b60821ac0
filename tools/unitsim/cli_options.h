// Command line of the unitsim program.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/unitsim/simulator.h"

namespace unitsim {

struct CliOptions {
    Config config;
    std::string comName;      // empty: not bound, only the device path is shown
    std::string portsFolder;  // empty: the programs' default folder
    bool help = false;
    bool version = false;
};

// Nothing, with the reason in `error`, for a command line that does not parse.
std::optional<CliOptions> parseCommandLine(const std::vector<std::string>& args,
                                           std::string& error);

std::string usageText();

const char* kindName(UnitKind kind);

}  // namespace unitsim
