// The way to the unit the command line names: its port (given, or the one
// the program's configuration file names, as the window opens it), its
// speed and, in modem operation, the number to dial, given or looked up
// in the phonebook of the configuration file.
#pragma once

#include <optional>
#include <string>

#include "cli/console.h"
#include "cli/options.h"
#include "cli/unit_line.h"

namespace cli {

// The port the program itself would open from folder: the configuration
// file's port line for a controller unit (COM2 without a file), COM1 for a
// measuring unit.
std::string defaultPort(UnitKind kind, const std::string& folder);

// Nothing after a message (the location is not in the phonebook, the file
// cannot be read); code then says why.
std::optional<LineTarget> lineTarget(const Options& options, UnitKind kind,
                                     const std::string& folder, Console& console, ExitCode& code);

}  // namespace cli
