#include "devlink/wait_hook.h"

#include <algorithm>

#include "devlink/delay.h"

namespace devlink {

namespace {

struct HookState {
    WaitHook* hook = nullptr;
    std::int64_t lastRunUs = 0;
    bool running = false;
};

thread_local HookState state;

}  // namespace

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
