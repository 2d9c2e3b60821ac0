// The softener's parameter record as named values: the names, units and
// masks of its fields for the value model (controller/parameter_values.h).
#pragma once

#include "controller/value_table.h"

namespace softener {

const controller::ParameterValueTable& softenerValueTable();

}  // namespace softener
