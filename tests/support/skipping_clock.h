// The device link's clock skips over waits in which neither the program nor
// the simulated unit can do anything (devlink/skip_clock.h): a silent unit's
// 6 s, a slow unit's 5.5 s gaps and a reset's 4 s pause cost no real time,
// while the program still sees them pass in full. Made before the simulator
// starts, by the thread that runs the program.
#pragma once

#include "devlink/skip_clock.h"

namespace testsupport {

class SkippingClock {
  public:
    SkippingClock() { devlink::enableClockSkipping(true); }
    ~SkippingClock() { devlink::enableClockSkipping(false); }
    SkippingClock(const SkippingClock&) = delete;
    SkippingClock& operator=(const SkippingClock&) = delete;

    // Until the unit has sent all it is going to send and taken all sent to
    // it, and everything has arrived at the other end.
    static bool settle() { return devlink::waitUntilQuiet(20000); }

  private:
    devlink::ClockParty program_;  // the calling thread: the program's side
};

}  // namespace testsupport
