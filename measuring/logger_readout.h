// "lesen" of the "Datenlogger" group: the logger's size, the question with
// the time estimate, the blocks with a progress display, and the CSV file in
// the unit's folder, after which the operator may have the folder shown.
#pragma once

#include <optional>
#include <string>

#include "measuring/operation_context.h"

namespace measuring {

// The readout estimate of the question: 0.45 s for each block after the
// first, plus a second, cut to whole seconds.
std::uint64_t estimatedSeconds(std::uint64_t records);

// The path of the written file, or nothing when none was written.
std::optional<std::string> ReadOutLogger(OperationContext& context);

}  // namespace measuring
