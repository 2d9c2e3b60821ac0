#include "tools/unitsim/sim_clock.h"

namespace unitsim {

void SimClock::setScale(double scale, std::int64_t nowUs) {
    pending_ = take(nowUs);
    scale_ = scale;
}

double SimClock::take(std::int64_t nowUs) {
    const double seconds = pending_ + static_cast<double>(nowUs - lastUs_) / 1e6 * scale_;
    lastUs_ = nowUs;
    pending_ = 0.0;
    return seconds > 0.0 ? seconds : 0.0;
}

}  // namespace unitsim
