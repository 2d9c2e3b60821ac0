// A serial port on a network serial server: ser2net on a small Linux box, a
// device server or a cellular router that puts the unit's serial line on a
// TCP port. A COM name bound to "tcp://HOST:PORT" gets the bytes of the line
// and nothing else; one bound to "rfc2217://HOST:PORT" speaks Telnet with
// the Com Port Control option, which sets the speed and framing of the
// server's port and purges its buffers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace devlink {

struct NetworkAddress {
    enum class Protocol { Raw, Rfc2217 };
    Protocol protocol = Protocol::Raw;
    std::string host;  // a name or an address; an IPv6 address without its brackets
    std::string port;  // decimal, 1 ... 65535

    // "tcp://plant-7.example:4001", "rfc2217://[fd00::7]:4001"
    std::string url() const;
    // "plant-7.example:4001", "[fd00::7]:4001"
    std::string hostAndPort() const;
};

// Whether a binding's text names a network server at all (begins with
// "tcp://" or "rfc2217://", in any case), well formed or not.
bool isNetworkText(std::string_view text);

// The address in "tcp://HOST:PORT" or "rfc2217://HOST:PORT"; nothing for
// any other text, a host with characters no host name or address has, or a
// port outside 1 ... 65535.
std::optional<NetworkAddress> parseNetworkAddress(std::string_view text);

}  // namespace devlink
