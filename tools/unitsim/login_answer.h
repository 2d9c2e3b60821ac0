// The unit's answer to the login request "CSN|" + serial number + "|".
#pragma once

#include <string>

#include "tools/unitsim/request.h"
#include "tools/unitsim/simulator.h"

namespace unitsim {

// The controllers and the measuring unit's variant 0 answer the level alone;
// variants 1 to 6 put the variant digit before it. A serial number that is
// not the unit's own gets "CF" from every unit.
Reply loginReply(const Config& unit, const std::string& requestBody);

}  // namespace unitsim
