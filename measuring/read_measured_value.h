// The "lesen" button of the "Messwert" group: one RMV exchange after a
// quiet login, shown as one line in the variant's unit.
#pragma once

#include "measuring/operation_context.h"

namespace measuring {

void ReadMeasuredValue(OperationContext& context);

}  // namespace measuring
