// The serial port as the exchange code sees it: single-byte reads and writes
// with the port's timeouts, separate purges, and the switch of the read
// timeout for modem waits. The protocol logic depends on this interface only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace devlink {

class Port {
  public:
    virtual ~Port() = default;

    virtual const std::string& name() const = 0;  // "COM1" ... "COM9"
    virtual bool isOpen() const = 0;

    virtual bool purgeReceive() = 0;
    virtual bool purgeTransmit() = 0;

    virtual bool writeByte(std::uint8_t byte) = 0;
    // A byte, or nothing when the read timed out or failed.
    virtual std::optional<std::uint8_t> readByte() = 0;

    virtual bool setModemWaitTimeouts() = 0;
    virtual bool setNormalTimeouts() = 0;

    virtual void closePort() = 0;

    // Why the port cannot be used (the device path, the system's reason and
    // the remedy), for the line below a port message; empty when unknown.
    virtual std::string problemText(bool /*english*/) const { return {}; }
    // Why the line went away in the middle of an exchange, where the port
    // can say more than the transmission error (a network server that
    // closed the connection); empty when there is nothing to add.
    virtual std::string lostText(bool /*english*/) const { return {}; }
};

}  // namespace devlink
