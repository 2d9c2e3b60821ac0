// Connecting to a network serial server: the name looked up, each of its
// addresses tried in turn, all before a deadline. Every wait goes through
// waitForDescriptor, so a window keeps answering while a slow name server
// or a far server is awaited.
#pragma once

#include <cstdint>

#include "devlink/network_address.h"
#include "devlink/port_problem.h"

namespace devlink {

// A connected non-blocking socket without Nagle's delay, or -1 with the
// problem's kind and error saying why (HostNotFound, Refused, Unreachable
// or Other).
int connectToServer(const NetworkAddress& address, std::int64_t deadlineMs, PortProblem& problem);

}  // namespace devlink
