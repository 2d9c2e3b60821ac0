// What is behind the program's serial port: a serial device on this
// computer, or a serial port on a network serial server. The port (see
// serial_port.h) keeps what both share — the timeouts, the waits, the
// receive buffer, the trace, taking a lost line up again — and a line does
// the rest: opening, purging, moving bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace devlink {

// How a step of a line went. Again: nothing could move yet, wait on the
// descriptor. Lost: the device or the connection is gone (the line has said
// why in the port's problem); the next action opens it again.
enum class LineIo { Done, Again, Lost, Failed };

class Line {
  public:
    virtual ~Line() = default;

    // Opens the line at this speed. On failure the port's problem says why;
    // message holds a text that the failure shows on its own ("error in
    // SetCommState"), empty when the port message says it.
    virtual bool open(int baud, std::string& message) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // What the port waits on for reading and writing.
    virtual int descriptor() const = 0;

    virtual LineIo purgeReceive() = 0;
    virtual bool purgeTransmit() = 0;
    virtual LineIo writeByte(std::uint8_t byte) = 0;
    // Up to room data bytes into `into`; count says how many (Done may bring
    // none when only the line's own protocol came).
    virtual LineIo read(std::uint8_t* into, std::size_t room, std::size_t& count) = 0;

    // errno of the failed attempt to make a lock file; 0 when the line has one.
    virtual int unlockedError() const = 0;
    // For the trace: what was opened and how ("/dev/pts/3", "rfc2217://...").
    virtual std::string description() const = 0;
    virtual bool network() const = 0;
};

}  // namespace devlink
