// The PC's local date and time as the unit commands and the history lists
// use it: read once per operation, so that every digit of a clock telegram
// or a file name comes from the same moment.
#pragma once

#include <ctime>
#include <functional>
#include <string>

namespace controller {

// Returns the local date and time; tests put a fixed moment in its place.
using LocalClock = std::function<std::tm()>;

// The system's local date and time now.
std::tm systemLocalTime();

// Day, month and two-digit year: "311209" for 31 December 2009.
std::string dateDigits(const std::tm& moment);
// Hour and minute: "2359"; the seconds are dropped.
std::string timeDigits(const std::tm& moment);

}  // namespace controller
