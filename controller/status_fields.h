// What both controllers' status areas have in common: the time of the last
// access and the three bytes behind the lamp rows of the status page.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace controller {

// "dd.mm.yy hh:mm" of the last access, two digits each: the hour's byte at
// hourOffset, then minute, one unused byte, day, month and year. Each byte
// in decimal, a single digit with a leading "0", its first two characters.
std::string lastAccessText(std::string_view area, std::size_t hourOffset);

// The 24 lamps: 0 to 7 the functions, 8 to 15 the inputs, 16 to 23 the
// outputs, each row left to right.
using LampBits = std::array<bool, 24>;

// Functions and inputs are read from bit 0 up, outputs from bit 7 down.
LampBits lampBits(int functions, int inputs, int outputs);

}  // namespace controller
