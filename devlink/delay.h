// Waits of the device link. They sleep on the monotonic clock instead of
// spinning: the caller stays blocked for at least the given time, without
// burning a processor core.
#pragma once

#include <cstdint>

namespace devlink {

// Milliseconds on the monotonic clock since an arbitrary start.
std::int64_t monotonicMs();
// Microseconds on the monotonic clock since an arbitrary start.
std::int64_t monotonicUs();

// Blocks for at least ms milliseconds (less only once the program is asked
// to end, see endRequested).
void Delay(unsigned ms);

// Blocks until the monotonic clock reaches deadlineUs (see monotonicUs).
void sleepUntilUs(std::int64_t deadlineUs);

}  // namespace devlink
