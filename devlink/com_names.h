// "COM1" ... "COM9" to device paths, the way the operator has always named
// serial ports: an entry COMn in the ports folder (usually a symbolic link to
// /dev/ttyUSB0, a /dev/serial/by-id name or a pseudo-terminal) wins,
// otherwise COMn is /dev/ttyS<n-1>. An entry may also name a network serial
// server instead of a device: a symbolic link whose text is
// "tcp://HOST:PORT" or "rfc2217://HOST:PORT" (see network_address.h).
#pragma once

#include <string>
#include <string_view>

namespace devlink {

// $AQUENDOR_PORTS when set and not empty, else $XDG_CONFIG_HOME/aquendor/ports,
// else ~/.config/aquendor/ports.
std::string portsFolder();

// The device path for a COM name; an empty text when the name is not
// "COM" followed by a digit 1 to 9.
std::string resolveComName(std::string_view comName);

// The text of the COM name's entry when it names a network server
// ("rfc2217://plant-7.example:4001", well formed or not); empty when the
// name is bound to a device or not bound at all.
std::string networkBindingText(std::string_view comName);

}  // namespace devlink
