// A serial port on a network serial server, over TCP: raw (the bytes of the
// line and nothing else) or RFC 2217 (Telnet with Com Port Control, which
// sets 9600 or 19200 bit/s 8N1 without flow control on the server's port
// and purges its buffers where a local port purges its own). Each request
// byte goes out in a segment of its own (no Nagle delay), as on the cable.
// A lock file named after the server keeps a second program of the suite on
// this computer off the port, as the lock of a local device does.
#pragma once

#include <cstdint>
#include <string>

#include "devlink/line.h"
#include "devlink/network_address.h"
#include "devlink/port_lock.h"
#include "devlink/port_problem.h"
#include "devlink/telnet_codec.h"

namespace devlink {

// How long a purge of the server's receive buffer waits for the server to
// confirm it: what came before the confirmation is what the purge discards.
inline constexpr int kPurgeConfirmMs = 2000;

class NetworkLine : public Line {
  public:
    NetworkLine(NetworkAddress address, PortProblem& problem)
        : address_(std::move(address)), problem_(problem) {}
    ~NetworkLine() override { close(); }
    NetworkLine(const NetworkLine&) = delete;
    NetworkLine& operator=(const NetworkLine&) = delete;

    bool open(int baud, std::string& message) override;
    void close() override;
    bool isOpen() const override { return fd_ >= 0; }
    int descriptor() const override { return fd_; }
    LineIo purgeReceive() override;
    bool purgeTransmit() override;
    LineIo writeByte(std::uint8_t byte) override;
    LineIo read(std::uint8_t* into, std::size_t room, std::size_t& count) override;
    int unlockedError() const override { return lock_.unlockedError(); }
    std::string description() const override;
    bool network() const override { return true; }

  private:
    bool telnet() const { return address_.protocol == NetworkAddress::Protocol::Rfc2217; }
    bool negotiate(int baud, std::int64_t deadlineMs);
    // Reads what the server sends, answering its option requests, until
    // done() (Done), the deadline (Again) or the end of the connection
    // (Lost, the problem says why); the data bytes are dropped.
    template <typename Done>
    LineIo pump(std::int64_t deadlineMs, Done done);
    LineIo drain();
    LineIo receive(std::uint8_t* into, std::size_t room, std::size_t& count);
    LineIo sendPending();
    bool sendNow(const std::string& bytes);
    LineIo lost(PortProblem::Kind kind, int error);
    void keepServerText(const std::uint8_t* data, std::size_t count);
    void noteUnreadGone();

    NetworkAddress address_;
    PortProblem& problem_;
    PortLock lock_;
    int fd_ = -1;
    telnet::Codec codec_;
    // Bytes for the server that did not fit into the socket yet (replies to
    // its requests); they go before anything else.
    std::string pending_;
    // Printable text the server sent while we negotiated ("Port already in
    // use"), for the message when it then closes the connection.
    std::string serverText_;
    bool negotiating_ = false;
    std::string settings_;  // as the server confirmed them, for the trace
};

}  // namespace devlink
