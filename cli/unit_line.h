// The way to one unit: the serial port (a COM name, a device path or a
// network serial server) and, through a Hayes modem, the dialled line.
// Whatever happens after the dial, the line is hung up before the port
// closes: after an error and after Ctrl+C too, so no modem stays off the
// hook. Closing the port releases its lock file.
#pragma once

#include <string>

#include "cli/console.h"
#include "devlink/device_link.h"
#include "devlink/modem_link.h"
#include "devlink/serial_port.h"

namespace cli {

struct LineTarget {
    std::string port;  // COMn, a device path, tcp:// or rfc2217://
    int baud = 19200;
    bool modem = false;
    std::string dial;  // with modem
};

class UnitLine {
  public:
    // measuring: the measuring program's port and link behaviour.
    UnitLine(devlink::LinkWindow& window, Console& console, bool measuring);
    ~UnitLine();
    UnitLine(const UnitLine&) = delete;
    UnitLine& operator=(const UnitLine&) = delete;

    // Opens the port and dials; kOk, or the class of the failure (its
    // message has been shown).
    ExitCode connect(const LineTarget& target);
    // Hangs up a dialled line (also after a termination signal) and closes
    // the port. Safe to call more than once.
    void disconnect();

    devlink::DeviceLink& link() { return link_; }
    devlink::SerialPort& port() { return port_; }
    bool dialled() const { return window_.connected(); }

  private:
    void hangUp();

    devlink::LinkWindow& window_;
    Console& console_;
    devlink::SerialPort port_;
    devlink::DeviceLink link_;
    devlink::ModemLink modem_;
};

// The port name as the serial port takes it: COM names in any case
// ("com3" is COM3), device paths and network addresses as given.
std::string portName(const std::string& given);

}  // namespace cli
