// The fixed pauses of the device link (1 ms after a request byte, the
// guard times of a modem escape) cost nothing in a fuzz target: they only
// pace a real line, and a fuzzer that slept through them would run a few
// hundred inputs a second instead of many thousands. Linked into each
// target in place of the library's waits; the clock itself is real.
#include <ctime>

#include "devlink/delay.h"

namespace devlink {

std::int64_t monotonicUs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

std::int64_t monotonicMs() {
    return monotonicUs() / 1000;
}

void sleepUntilUs(std::int64_t) {}

void Delay(unsigned) {}

}  // namespace devlink
