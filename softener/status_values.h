// The softener's status area as named values, with the texts the status
// page shows: plant status in both languages, residual capacity, total
// water hardness, regeneration stage and remaining minutes, the water
// meters in m³, operation hours, last access, lamps and blink byte.
#pragma once

#include <string_view>

#include "controller/unit_record.h"
#include "controller/unit_value.h"

namespace softener {

// The parameter record gives the plant type (which rules make the plant
// status), the hardness unit (the units) and, unless the hardness is the
// measured one, the total water hardness shown. Without a code for the
// plant status, the status and the stage values are not present: the page
// keeps what it showed.
controller::UnitValues statusValues(std::string_view area, const controller::UnitRecord& record,
                                    bool measuredHardness);

// As the unit is set: the record's own "calc. filter capacity" box says
// whether the hardness shown is the measured one.
controller::UnitValues statusValues(std::string_view area, const controller::UnitRecord& record);

}  // namespace softener
