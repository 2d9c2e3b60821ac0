// A way for a program to keep its window alive while the device link waits.
// Every wait of the link (an answer byte, a write, a fixed pause) is sliced
// into short pieces while a hook is installed, and the hook runs between
// them once at least kHookIntervalUs have passed since its last run. A
// window program installs a hook that handles its pending events; without a
// hook every wait is one sleep, exactly as before.
//
// The hook belongs to the thread that installed it: only that thread's
// waits call it, so a unit simulator or a worker running in another thread
// of the same process never runs a window's event handling.
#pragma once

#include <cstdint>

namespace devlink {

class WaitHook {
  public:
    virtual ~WaitHook() = default;
    // Called from inside a wait. Must not start another exchange.
    virtual void duringWait() = 0;
};

// The longest piece a wait sleeps in one go while a hook is installed.
inline constexpr std::int64_t kWaitSliceUs = 25'000;
// The least time between two runs of the hook. Short waits, such as the
// 1 ms pause after a request byte, run it only when this much has passed.
inline constexpr std::int64_t kHookIntervalUs = 20'000;

// Installs hook for the calling thread (nullptr removes it) and returns the
// one it replaces.
WaitHook* setWaitHook(WaitHook* hook);
WaitHook* waitHook();

// Runs the calling thread's hook when one is installed, it is not running
// already and kHookIntervalUs have passed since it last ran.
void serviceWaitHook();

// Asks every wait of the link, in every thread, to end at once from now on:
// the program is to end (a termination signal), so the operation in
// progress gives up at its next wait and the port can be closed. Safe to
// call from a signal handler.
void requestEnd();
bool endRequested();
// The waits work again after a requested end: a program without a window
// takes one last step of its own before it ends (it hangs up its modem).
void withdrawEndRequest();

// The end of the next piece of a wait that lasts until deadlineUs: the
// deadline itself without a hook, else at most kWaitSliceUs from now.
std::int64_t waitPieceEndUs(std::int64_t deadlineUs);

// Waits until the descriptor is ready for the poll() events or the
// monotonic clock reaches deadlineMs; with a hook installed the wait goes in
// pieces with the hook between them. A hook that held the wait up past its
// deadline (a window handling a slow event) does not turn into a timeout by
// itself: the descriptor is looked at once more, and the bytes that came in
// the meantime count. A requested end (requestEnd) ends it at once.
bool waitForDescriptor(int fd, short events, std::int64_t deadlineMs);

}  // namespace devlink
