#include "devlink/delay.h"

#include <sys/prctl.h>

#include <cerrno>
#include <ctime>

#include "devlink/wait_hook.h"

namespace devlink {

namespace {

std::int64_t toUs(const timespec& ts) {
    return static_cast<std::int64_t>(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

// The default timer slack of 50 us would stretch every 1 ms pause between
// request bytes by 5 %; a fine slack keeps the pauses close to 1 ms.
void tightenTimerSlackOnce() {
    static thread_local bool done = false;
    if (!done) {
        prctl(PR_SET_TIMERSLACK, 1000UL, 0, 0, 0);
        done = true;
    }
}

void sleepOnce(std::int64_t deadlineUs) {
    timespec deadline{};
    deadline.tv_sec = static_cast<time_t>(deadlineUs / 1000000);
    deadline.tv_nsec = static_cast<long>((deadlineUs % 1000000) * 1000);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR &&
           !endRequested()) {
    }
}

}  // namespace

std::int64_t monotonicUs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return toUs(now);
}

std::int64_t monotonicMs() {
    return monotonicUs() / 1000;
}

void sleepUntilUs(std::int64_t deadlineUs) {
    tightenTimerSlackOnce();
    if (endRequested()) return;
    if (!waitHook()) return sleepOnce(deadlineUs);
    // With a hook the sleep goes in pieces, the hook running between them.
    for (;;) {
        sleepOnce(waitPieceEndUs(deadlineUs));
        serviceWaitHook();
        if (monotonicUs() >= deadlineUs || endRequested()) return;
    }
}

void Delay(unsigned ms) {
    sleepUntilUs(monotonicUs() + static_cast<std::int64_t>(ms) * 1000);
}

}  // namespace devlink
