// The values both controllers' status areas have: operation hours, the
// last access, the three lamp rows and the blink byte, and the lamps a
// status page lights from them.
#pragma once

#include <cstddef>
#include <string_view>

#include "controller/status_fields.h"
#include "controller/unit_value.h"

namespace controller {

// Where a unit's status area holds them.
struct CommonStatusOffsets {
    std::size_t operationHours;  // word32
    std::size_t lastAccessHour;  // hour, minute, unused, day, month, year
    std::size_t outputs;
    std::size_t functions;
    std::size_t inputs;
    std::size_t blink;
};

// Appends "operation_hours", "last_access", "lamps_functions",
// "lamps_inputs", "lamps_outputs" and "blink". A lamp row shows its lamps
// left to right as "1" (on) and "0"; its number is the byte. The blink
// byte shows bit 0 first, under the function lamp it makes blink.
void appendCommonStatus(UnitValues& values, std::string_view area,
                        const CommonStatusOffsets& offsets);

// The 24 lamps of the three rows, as the status page lights them.
LampBits lampBitsOf(const UnitValues& values);
int blinkByteOf(const UnitValues& values);

}  // namespace controller
