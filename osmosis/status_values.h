// The reverse-osmosis status area as named values, with the texts the
// status page shows: plant status, conductivity, temperature, pressure,
// the two water meters in m³, operation hours, last access, lamps and blink
// byte, and the calibration factor that parameter page 2 shows.
#pragma once

#include <string_view>

#include "controller/unit_value.h"

namespace osmosis {

// A plant-status code without a text leaves "plant_status" not present:
// the page keeps what it showed. The text is the same in both languages.
controller::UnitValues statusValues(std::string_view area);

}  // namespace osmosis
