// Telegrams as the tests expect them on the line: framed requests, the
// login and read-all sequences of the controller programs, and what the
// simulator received.
#pragma once

#include <string>
#include <vector>

#include "devlink/telegram.h"
#include "tools/unitsim/simulator.h"

namespace testsupport {

inline std::string framed(const std::string& request) {
    return devlink::frameRequest(request);
}

inline const std::string kLogin = framed("CSN|123456|");
inline const std::vector<std::string> kReadAll = {kLogin, framed("DSI|"), framed("DPI|")};

inline std::vector<std::string> join(std::vector<std::string> a,
                                     const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline std::vector<std::string> telegramsOf(const unitsim::Simulator& sim) {
    std::vector<std::string> bytes;
    for (const auto& telegram : sim.received()) bytes.push_back(telegram.bytes);
    return bytes;
}

// The last request the unit received that starts with head ("DPS|"), or nothing.
inline std::string lastRequest(const unitsim::Simulator& sim, const std::string& head) {
    const auto received = sim.received();
    for (auto it = received.rbegin(); it != received.rend(); ++it)
        if (it->bytes.rfind(head, 0) == 0) return it->bytes;
    return {};
}

inline std::string lastDps(const unitsim::Simulator& sim) {
    return lastRequest(sim, "DPS|");
}

}  // namespace testsupport
