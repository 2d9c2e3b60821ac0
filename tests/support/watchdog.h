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
