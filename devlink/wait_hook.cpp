#include "devlink/wait_hook.h"

#include <poll.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

#include "devlink/delay.h"
#include "devlink/skip_clock.h"

namespace devlink {

namespace {

struct HookState {
    WaitHook* hook = nullptr;
    std::int64_t lastRunUs = 0;
    bool running = false;
};

thread_local HookState state;

std::atomic<bool> endFlag{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

}  // namespace

void requestEnd() {
    endFlag.store(true, std::memory_order_relaxed);
}

void withdrawEndRequest() {
    endFlag.store(false, std::memory_order_relaxed);
}

bool endRequested() {
    return endFlag.load(std::memory_order_relaxed);
}

WaitHook* setWaitHook(WaitHook* hook) {
    WaitHook* previous = state.hook;
    state.hook = hook;
    state.lastRunUs = monotonicUs();
    return previous;
}

WaitHook* waitHook() {
    return state.hook;
}

void serviceWaitHook() {
    if (!state.hook || state.running) return;
    if (monotonicUs() - state.lastRunUs < kHookIntervalUs) return;
    state.running = true;
    state.hook->duringWait();
    state.running = false;
    // Counted from the end of the run: a slow run must not be followed by
    // another at once.
    state.lastRunUs = monotonicUs();
}

std::int64_t waitPieceEndUs(std::int64_t deadlineUs) {
    if (!state.hook) return deadlineUs;
    return std::min(deadlineUs, monotonicUs() + kWaitSliceUs);
}

bool waitForDescriptor(int fd, short events, std::int64_t deadlineMs) {
    const std::int64_t deadlineUs = deadlineMs * 1000;
    for (;;) {
        if (endRequested()) return false;  // the program is to end
        // Past the deadline the piece is a look without waiting.
        const bool past = monotonicUs() >= deadlineUs;
        pollfd p{fd, events, 0};
        const int n = waitOnClock(&p, 1, deadlineUs, past ? 0 : waitPieceEndUs(deadlineUs));
        if (n > 0) return (p.revents & events) != 0;
        if (n < 0 && errno != EINTR) return false;
        if (past) return false;
        serviceWaitHook();
    }
}

}  // namespace devlink
