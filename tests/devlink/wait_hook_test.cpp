// The wait hook: long waits run it every 20 ms or so, short pauses do not
// run it each time, and it serves only the thread that installed it.
#include <gtest/gtest.h>

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
