// "COM1" ... "COM9" to device paths, the way the operator has always named
// serial ports: an entry COMn in the ports folder (usually a symbolic link to
// /dev/ttyUSB0, a /dev/serial/by-id name or a pseudo-terminal) wins,
// otherwise COMn is /dev/ttyS<n-1>. An entry may also name a network serial
// server instead of a device: a symbolic link whose text is
// "tcp://HOST:PORT" or "rfc2217://HOST:PORT" (see network_address.h).
//
// A program run from scripts (the command-line tool) may name the port
// itself instead: an absolute device path opens that device, and a
// network address text reaches that server, without a ports folder entry.
#pragma once

#include <string>
#include <string_view>

namespace devlink {

// $AQUENDOR_PORTS when set and not empty, else $XDG_CONFIG_HOME/aquendor/ports,
// else ~/.config/aquendor/ports.
std::string portsFolder();

// The device path for a COM name, or the name itself when it is an
// absolute device path; an empty text when the name is neither "COM"
// followed by a digit 1 to 9 nor a path.
std::string resolveComName(std::string_view comName);

// Whether the port is named by its device path rather than a COM name.
bool isDevicePathName(std::string_view name);

// The text of the COM name's entry when it names a network server
// ("rfc2217://plant-7.example:4001", well formed or not), or the name
// itself when it is such a text; empty when the name is bound to a device
// or not bound at all.
std::string networkBindingText(std::string_view comName);

}  // namespace devlink
