// The simulated clock: the monotonic clock, optionally sped up. A time scale
// of 60 runs one simulated minute per real second; 0 stops the clock, so
// that only explicit jumps move the plant.
#pragma once

#include <cstdint>

namespace unitsim {

class SimClock {
  public:
    SimClock(double scale, std::int64_t nowUs) : scale_(scale), lastUs_(nowUs) {}

    // The time gone by so far keeps the old scale.
    void setScale(double scale, std::int64_t nowUs);
    double scale() const { return scale_; }

    // Simulated seconds since the last call (or since construction).
    double take(std::int64_t nowUs);

  private:
    double scale_;
    std::int64_t lastUs_;
    double pending_ = 0.0;  // simulated seconds run up before a change of scale
};

}  // namespace unitsim
