// The wait hook: long waits run it every 20 ms or so, short pauses do not
// run it each time, and it serves only the thread that installed it.
#include <gtest/gtest.h>

#include <poll.h>
#include <unistd.h>

#include <thread>

#include "devlink/delay.h"
#include "devlink/wait_hook.h"

using namespace devlink;

namespace {

class CountingHook : public WaitHook {
  public:
    int calls = 0;
    std::int64_t longestGapUs = 0;
    void duringWait() override {
        const std::int64_t now = monotonicUs();
        if (calls++ > 0) longestGapUs = std::max(longestGapUs, now - lastUs);
        lastUs = now;
    }
    std::int64_t lastUs = 0;
};

struct InstalledHook {
    explicit InstalledHook(WaitHook* hook) { previous = setWaitHook(hook); }
    ~InstalledHook() { setWaitHook(previous); }
    WaitHook* previous;
};

}  // namespace

TEST(WaitHook, LongWaitsRunTheHookEveryFewTensOfMilliseconds) {
    CountingHook hook;
    InstalledHook installed(&hook);
    const std::int64_t start = monotonicUs();
    Delay(300);
    EXPECT_GE(monotonicUs() - start, 300'000);
    EXPECT_GE(hook.calls, 9);  // about every 20 to 25 ms
    EXPECT_LE(hook.calls, 15);
    EXPECT_LT(hook.longestGapUs, 60'000);
}

TEST(WaitHook, OneMillisecondPausesRunItOnlyOnceTwentyMillisecondsHavePassed) {
    CountingHook hook;
    InstalledHook installed(&hook);
    const std::int64_t start = monotonicUs();
    for (int i = 0; i < 100; ++i) Delay(1);
    const std::int64_t spentUs = monotonicUs() - start;
    EXPECT_GE(spentUs, 100'000);
    EXPECT_LE(hook.calls, spentUs / kHookIntervalUs + 1);
    EXPECT_GE(hook.calls, 3);
}

TEST(WaitHook, WithoutAHookAWaitIsOneSleepAndOtherThreadsNeverRunIt) {
    CountingHook hook;
    InstalledHook installed(&hook);
    std::thread other([] {
        EXPECT_EQ(waitHook(), nullptr);
        Delay(100);
    });
    other.join();
    EXPECT_EQ(hook.calls, 0);
    setWaitHook(nullptr);
    EXPECT_EQ(waitPieceEndUs(123'456'789), 123'456'789);
    Delay(50);
    EXPECT_EQ(hook.calls, 0);
}

TEST(WaitHook, ARunningHookIsNotEnteredAgainByItsOwnWaits) {
    struct Reentrant : WaitHook {
        int depth = 0, deepest = 0, calls = 0;
        void duringWait() override {
            ++calls;
            deepest = std::max(deepest, ++depth);
            Delay(30);  // a hook that waits itself
            --depth;
        }
    } hook;
    InstalledHook installed(&hook);
    Delay(120);
    EXPECT_GE(hook.calls, 2);
    EXPECT_EQ(hook.deepest, 1);
}

// A hook that handles a slow event (a dialog held open) while the awaited
// byte arrives: the wait still finds the byte once the hook returns.
TEST(WaitHook, AWaitHeldUpPastItsDeadlineLooksAtTheDescriptorOnceMore) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    struct HoldingHook : WaitHook {
        int writeEnd = -1;
        std::int64_t holdUntilMs = 0;
        bool wrote = false;
        void duringWait() override {
            if (wrote) return;
            wrote = write(writeEnd, "x", 1) == 1;
            std::this_thread::sleep_for(std::chrono::milliseconds(holdUntilMs - monotonicMs()));
        }
    } hook;
    hook.writeEnd = fds[1];
    InstalledHook installed(&hook);
    const std::int64_t deadline = monotonicMs() + 100;
    hook.holdUntilMs = deadline + 100;
    EXPECT_TRUE(waitForDescriptor(fds[0], POLLIN, deadline));
    EXPECT_TRUE(hook.wrote);

    // Nothing there: the deadline holds, also when it has passed already.
    char byte;
    ASSERT_EQ(read(fds[0], &byte, 1), 1);
    std::int64_t start = monotonicMs();
    EXPECT_FALSE(waitForDescriptor(fds[0], POLLIN, start + 80));
    EXPECT_GE(monotonicMs() - start, 80);
    start = monotonicMs();
    EXPECT_FALSE(waitForDescriptor(fds[0], POLLIN, start - 10));
    EXPECT_LT(monotonicMs() - start, 1000);  // a look, not a wait without end
    close(fds[0]);
    close(fds[1]);
}
