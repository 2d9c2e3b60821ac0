// The reverse-osmosis parameter record as named values: the names, units
// and masks of its fields for the value model (controller/parameter_values.h).
#pragma once

#include "controller/value_table.h"

namespace osmosis {

const controller::ParameterValueTable& osmosisValueTable();

}  // namespace osmosis
