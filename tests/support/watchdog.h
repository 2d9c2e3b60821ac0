// A timer outside the window under test that notes when it fires (and can
// act then): while an operation waits for the unit, its ticks show that
// the GUI thread goes on handling events.
#pragma once

#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "devlink/delay.h"

namespace testsupport {

class Watchdog {
  public:
    // A desktop greys out a window that has not answered for 5 s. The wait
    // hook hands the window a turn every 20 ms; a gap of a second still
    // leaves room for a machine loaded with other work, and the tests print
    // the gaps they saw.
    static constexpr std::int64_t kFreezeMs = 1000;

    explicit Watchdog(int intervalMs) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            ticks.push_back(devlink::monotonicMs());
            if (onTick) onTick();
        });
        timer_.start(intervalMs);
    }
    std::int64_t longestGapMs() const {
        std::int64_t longest = 0;
        for (std::size_t i = 1; i < ticks.size(); ++i)
            longest = std::max(longest, ticks[i] - ticks[i - 1]);
        return longest;
    }
    std::vector<std::int64_t> ticks;
    std::function<void()> onTick;

  private:
    QTimer timer_;
};

}  // namespace testsupport
