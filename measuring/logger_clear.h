// "löschen" of the "Datenlogger" group: after a writing login and the
// logger's size, the operator confirms and CLM erases the logger.
#pragma once

#include "measuring/operation_context.h"

namespace measuring {

void ClearLogger(OperationContext& context);

}  // namespace measuring
