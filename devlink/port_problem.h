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
    };
    Kind kind = Kind::None;
    std::string comName;
    std::string path;      // the device path the COM name resolved to, with its link target
    int error = 0;         // errno of the failed call
    pid_t holder = 0;      // Busy: the process a lock file or a flock names, 0 when unknown
    std::string lockFile;  // Busy: the lock file that keeps the port without naming a process
    bool bound = false;    // the COM name has an entry in the ports folder
    std::string group;     // Permission: the group that may use the device, empty when none
};

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

}  // namespace devlink
