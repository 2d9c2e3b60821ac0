#include "devlink/wait_hook.h"

#include <algorithm>
#include <atomic>

#include "devlink/delay.h"

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

}  // namespace devlink
