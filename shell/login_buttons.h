// Which buttons a controller window enables and disables after the unit's
// answer to a login. While interval reading runs, the buttons that a login
// would unlock stay as they are: the interval reading has them off.
#pragma once

#include <vector>

#include "devlink/link_window.h"

namespace shell {

// Button sets of a controller window; each window maps them to its controls.
enum class ButtonSet {
    FullAccess,          // everything a reading-and-writing login unlocks
    WriteButtons,        // write and every unit command
    HistoryReadButtons,  // the history read buttons
    IntervalCheckbox,    // the interval-reading check box
};

struct ButtonChange {
    ButtonSet set;
    bool enable;
    bool operator==(const ButtonChange&) const = default;
};

// The changes in the order they are made.
std::vector<ButtonChange> buttonsAfterLogin(devlink::LoginAnswer answer, bool intervalReading);

}  // namespace shell
