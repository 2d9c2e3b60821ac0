#include "tools/unitsim/line_pacer.h"

#include <algorithm>

namespace unitsim {

std::int64_t byteTimeUs(int baud) {
    return baud > 0 ? 10'000'000 / baud : 0;
}

std::int64_t LinePacer::arrival(std::int64_t readUs) {
    lastArrivalUs_ = byteUs_ > 0 ? std::max(readUs, lastArrivalUs_) + byteUs_ : readUs;
    return lastArrivalUs_;
}

}  // namespace unitsim
