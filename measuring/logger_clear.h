// "löschen" of the "Datenlogger" group: after a writing login and the
// logger's size, the operator confirms and CLM erases the logger.
#pragma once

#include "measuring/operation_context.h"

namespace measuring {

// True when the unit has erased its logger; false after a failure it has
// shown, or when the operator said No.
bool ClearLogger(OperationContext& context);

}  // namespace measuring
