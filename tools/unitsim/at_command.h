// A command line the modem received in command mode, read as the few
// commands it acts on. Any other command after "AT" is accepted and ignored:
// a program's set-up commands must not fail on a modem that needs none.
#pragma once

#include <string>
#include <string_view>

namespace unitsim {

struct AtCommand {
    enum class Kind {
        Dial,     // ATD, ATDT or ATDP and a number
        HangUp,   // ATH, ATH0
        Online,   // ATO, ATO0: back to the connection
        Other,    // anything else after "AT"
        Invalid,  // no "AT" at the start, or a dial command without a number
    };
    Kind kind = Kind::Invalid;
    std::string number;  // Dial: the number as given
};

// The line without its CR; upper and lower case alike.
AtCommand parseAtCommand(std::string_view line);

}  // namespace unitsim
