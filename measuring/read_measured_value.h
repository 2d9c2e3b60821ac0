// The "lesen" button of the "Messwert" group: one RMV exchange after a
// quiet login, shown as one line in the variant's unit.
#pragma once

#include <optional>

#include "measuring/measured_value.h"
#include "measuring/operation_context.h"

namespace measuring {

// The value shown, nothing after a failure it has shown (the unit's
// variant is the login's device type).
std::optional<MeasuredValue> ReadMeasuredValue(OperationContext& context);

}  // namespace measuring
