// The round file of a service round, written by hand: one unit a line,
//
//     # name,          port or dial number,  serial, kind
//     Plant 7,         COM3,                 123456, softener
//     Hospital RO,     0301234567,           234567, osmosis
//     Dosing east,     rfc2217://gw-3:4001,  345678, measuring
//
// fields separated by commas, blanks around them ignored, "#" starting a
// comment line, empty lines skipped, CR LF or LF. A port is COMn, a device
// path or a network address; anything else is a number the modem on
// --port dials. The name names the unit's folder of the round, so it
// holds no "/" and does not begin with ".".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/options.h"

namespace cli {

struct RoundUnit {
    int line = 0;
    std::string name;
    std::string place;  // the port, or the dial number
    bool dialled = false;
    std::string serial;
    UnitKind kind = UnitKind::Softener;
};

struct RoundFile {
    std::vector<RoundUnit> units;
    std::string error;  // "line 3: ..." in the chosen language; empty when the file is usable
};

// The largest round file read, and the most units it may name.
inline constexpr std::size_t kRoundFileLimit = 64 * 1024;
inline constexpr std::size_t kRoundUnitsLimit = 500;

RoundFile parseRoundFile(std::string_view text, bool english);

// Whether a field names a port rather than a number to dial.
bool namesAPort(const std::string& field);

}  // namespace cli
