// The unit's own clock: the PC's local time until the program sets it
// (STS), then running on from the time it was set to.
#pragma once

#include <ctime>
#include <string_view>

namespace unitsim {

class UnitClock {
  public:
    // The unit's local time now, or secondsAgo before now.
    std::tm now(double secondsAgo = 0.0) const;

    // Sets the clock from the ten digits DDMMYYhhmm of a clock telegram;
    // the unit's seconds start at 0. False, with the clock as it was, for
    // digits that name no moment.
    bool set(std::string_view digits);
    // The same from the body of a clock telegram: the ten digits and "|".
    bool setFromRequest(std::string_view body);

  private:
    std::time_t offset_ = 0;  // seconds ahead of the system clock
};

// A moment `days` days before the clock's now, at the given time of day:
// where a unit's seeded log entries stand.
std::tm daysBefore(const UnitClock& clock, int days, int hour, int minute);

}  // namespace unitsim
