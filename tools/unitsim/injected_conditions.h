// Conditions a test or a person puts on the softener from outside: the stop
// input, an alarm and the chemicals container running low.
#pragma once

namespace unitsim {

struct InjectedConditions {
    bool stop = false;  // the stop input is closed: the plant stands still
    bool alarm = false;
    bool chemicalsLow = false;
};

}  // namespace unitsim
