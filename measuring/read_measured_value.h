// The "lesen" button of the "Messwert" group: one RMV exchange after a
// quiet login, shown as one line in the variant's unit.
#pragma once

#include <optional>

#include "measuring/measured_value.h"
#include "measuring/operation_context.h"

namespace measuring {

// The value shown, or nothing when the reading failed (and said why).
std::optional<MeasuredValue> ReadMeasuredValue(OperationContext& context);

}  // namespace measuring
