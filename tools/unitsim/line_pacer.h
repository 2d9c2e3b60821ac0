// Gives each byte read from the line the time it arrived. With a baud rate
// set, a byte cannot arrive sooner than one character time after the one
// before it, as on a real line; without, it arrives when it was read.
#pragma once

#include <cstdint>

namespace unitsim {

// Microseconds a byte of ten bits takes at this baud rate (0: no pacing).
std::int64_t byteTimeUs(int baud);

class LinePacer {
  public:
    void setBaud(int baud) { byteUs_ = byteTimeUs(baud); }
    // The arrival time of the next byte, read from the line at readUs.
    std::int64_t arrival(std::int64_t readUs);

  private:
    std::int64_t byteUs_ = 0;
    std::int64_t lastArrivalUs_ = 0;
};

}  // namespace unitsim
