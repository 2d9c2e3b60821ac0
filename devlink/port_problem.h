// Why a serial port could not be used, and what the technician can do about
// it: the line that the port messages carry below their own text.
#pragma once

#include <sys/types.h>
#include <string>
#include <vector>

namespace devlink {

struct PortProblem {
    enum class Kind {
        None,
        NoComName,   // not COM1 ... COM9
        Missing,     // the device does not exist (adapter unplugged, wrong link)
        Permission,  // not in the group that may use serial devices
        Busy,        // another program holds the port
        NotSerial,   // the name leads to something that is no serial device
        Lost,        // the device went away while open (EIO, hang-up)
        Other,
        // A COM name bound to a network serial server (path: its URL).
        BadAddress,        // the binding's text is no tcp:// or rfc2217:// address
        HostNotFound,      // the name does not resolve (error: the lookup's EAI_ code)
        Refused,           // nothing listens there: server not running, wrong port
        Unreachable,       // no route, or no answer within the connect timeout
        ClosedByServer,    // the server ended the connection (serverText: what it said)
        ConnectionBroken,  // reset or timed out by the network while open
        NoComPortControl,  // rfc2217:// on a server without the option: a raw port
        LineRefused,       // the server did not take the line settings (serverText: what it set)
    };
    Kind kind = Kind::None;
    std::string comName;
    std::string path;        // the device path the COM name resolved to, with its link target
    int error = 0;           // errno of the failed call
    pid_t holder = 0;        // Busy: the process a lock file or a flock names, 0 when unknown
    std::string lockFile;    // Busy: the lock file that keeps the port without naming a process
    bool bound = false;      // the COM name has an entry in the ports folder
    std::string group;       // Permission: the group that may use the device, empty when none
    std::string host;        // network: the server's name as bound
    std::string serverText;  // network: what the server said or set, printable, bounded
    std::string asked;       // LineRefused: the line settings asked for, as a mode text
};

// The time a network serial server has to accept the connection (and, with
// RFC 2217, to agree on the line settings) before the open gives up.
inline constexpr int kConnectTimeoutMs = 10000;

// The serial devices present, stable names first: /dev/serial/by-id/*,
// /dev/ttyUSB*, /dev/ttyACM*, then the built-in ports /dev/ttyS* that have
// a UART behind them.
std::vector<std::string> presentSerialDevices();
// The same, looked for in other folders than /dev and /sys/class/tty.
std::vector<std::string> presentSerialDevices(const std::string& devFolder,
                                              const std::string& ttyClassFolder);

// The group whose members may read and write the device (links followed);
// empty when no group but root's may.
std::string deviceGroup(const std::string& path);

// The cause and the remedy, in the interface language; empty for None.
std::string explain(const PortProblem& problem, bool english);
// The same for the kinds of a network serial server (BadAddress and after).
std::string explainNetwork(const PortProblem& problem, bool english);

}  // namespace devlink
