// The commands of aquendorctl, each on one unit the options name (the
// round on the units of its file). Each returns its exit code.
#pragma once

#include "cli/exit_codes.h"
#include "cli/invocation.h"
#include "cli/session.h"

namespace cli {

ExitCode runStatus(Invocation& run, const UnitAddress& unit);
ExitCode runValue(Invocation& run, const UnitAddress& unit);
ExitCode runParams(Invocation& run, const UnitAddress& unit);
ExitCode runHistory(Invocation& run, const UnitAddress& unit);
ExitCode runUnitCommand(Invocation& run, const UnitAddress& unit);
ExitCode runLogger(Invocation& run, const UnitAddress& unit);
ExitCode runWatch(Invocation& run, const UnitAddress& unit);
ExitCode runRound(Invocation& run);

// A command that does not fit the unit's kind ("value" for a softener).
ExitCode wrongKind(Invocation& run, const char* german, const char* english);

}  // namespace cli
