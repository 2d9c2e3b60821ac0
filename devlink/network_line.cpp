#include "devlink/network_line.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "devlink/delay.h"
#include "devlink/serial_port.h"
#include "devlink/server_connect.h"
#include "devlink/skip_clock.h"
#include "devlink/traffic_trace.h"
#include "devlink/wait_hook.h"

namespace devlink {

namespace {

constexpr std::size_t kMaxServerText = 80;
// The write timeout of a single byte, for the few bytes of the protocol.
constexpr int kSendTimeoutMs = 2000;

// While the link waits for the server itself (the connection, its
// agreement, a purge's confirmation), a test's clock must not skip ahead:
// the server's answer is under way, though no byte of the unit's is.
class ServerAwaited {
  public:
    ServerAwaited() { notePut(InFlight::Signal); }
    ~ServerAwaited() { noteTaken(InFlight::Signal); }
    ServerAwaited(const ServerAwaited&) = delete;
    ServerAwaited& operator=(const ServerAwaited&) = delete;
};

bool wouldBlock(int error) {
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

// A reset comes from the server as much as an orderly end does: it closes
// with bytes of ours unread. The rest is the network's doing.
PortProblem::Kind endOf(int error) {
    return error == ECONNRESET || error == EPIPE ? PortProblem::Kind::ClosedByServer
                                                 : PortProblem::Kind::ConnectionBroken;
}

std::string byteText(std::uint8_t byte) {
    return std::string(1, static_cast<char>(byte));
}

// The line settings the server confirmed, as a mode text; "?" for what it
// did not answer.
std::string confirmedMode(const telnet::Codec& codec) {
    using namespace telnet;
    const auto one = [&codec](std::uint8_t command) -> int {
        const auto& value = codec.answer(command);
        return value && value->size() == 1 ? static_cast<std::uint8_t>((*value)[0]) : -1;
    };
    std::string baud = "?";
    if (const auto& value = codec.answer(kSetBaudRate); value && value->size() == 4) {
        std::uint32_t number = 0;
        for (char c : *value) number = number << 8 | static_cast<std::uint8_t>(c);
        baud = std::to_string(number);
    }
    static const char* const kParities[] = {"?", "N", "O", "E", "M", "S"};
    const int parity = one(kSetParity);
    static const char* const kStops[] = {"?", "1", "2", "1.5"};
    const int stop = one(kSetStopSize);
    const int data = one(kSetDataSize);
    return "baud=" + baud + " parity=" + (parity >= 1 && parity <= 5 ? kParities[parity] : "?") +
           " data=" + (data > 0 ? std::to_string(data) : "?") +
           " stop=" + (stop >= 1 && stop <= 3 ? kStops[stop] : "?");
}

}  // namespace

bool NetworkLine::open(int baud, std::string& /*message*/) {
    close();
    problem_.path = address_.url();
    problem_.host = address_.host;
    // Before connecting: a server that pushes its old client off for a new
    // one would otherwise take the port from the program that holds it.
    if (!lock_.acquireNamed(networkLockFileName(address_.host, address_.port))) {
        problem_.kind = PortProblem::Kind::Busy;
        problem_.error = EBUSY;
        problem_.holder = lock_.holder();
        problem_.lockFile = lock_.blockingLock();
        return false;
    }
    const ServerAwaited awaited;
    const std::int64_t deadlineMs = monotonicMs() + kConnectTimeoutMs;
    fd_ = connectToServer(address_, deadlineMs, problem_);
    if (fd_ < 0) {
        lock_.release();
        return false;
    }
    if (!telnet()) {
        noteReceiver(InFlight::ToProgram, fd_);
        return true;
    }
    negotiating_ = true;
    const bool agreed = negotiate(baud, deadlineMs);
    negotiating_ = false;
    if (agreed) return true;
    close();
    return false;
}

std::string NetworkLine::description() const {
    if (!telnet()) return address_.url() + " (raw: the server's own line settings)";
    return address_.url() + " (Com Port Control, the server confirmed " + settings_ + ")";
}

// The client offers Com Port Control, the server agrees, then the line
// settings go over and each is confirmed.
bool NetworkLine::negotiate(int baud, std::int64_t deadlineMs) {
    using namespace telnet;
    if (!sendNow(codec_.opening())) return false;
    const LineIo agreement =
        pump(deadlineMs, [this] { return codec_.comPort() != Codec::ComPort::Pending; });
    if (agreement == LineIo::Lost) return false;
    if (codec_.comPort() != Codec::ComPort::Agreed) {
        // Refused, or no answer at all: the port speaks no Telnet.
        problem_.kind = PortProblem::Kind::NoComPortControl;
        return false;
    }
    codec_.forgetAnswers();
    const std::string settings =
        comPortCommand(kSetBaudRate, baudValue(static_cast<std::uint32_t>(baud))) +
        comPortCommand(kSetDataSize, byteText(8)) +
        comPortCommand(kSetParity, byteText(kParityNone)) +
        comPortCommand(kSetStopSize, byteText(kOneStopBit)) +
        comPortCommand(kSetControl, byteText(kNoFlowControl));
    if (!sendNow(settings)) return false;
    const LineIo confirmed = pump(deadlineMs, [this] {
        return codec_.answer(kSetBaudRate) && codec_.answer(kSetDataSize) &&
               codec_.answer(kSetParity) && codec_.answer(kSetStopSize);
    });
    if (confirmed == LineIo::Lost) return false;
    settings_ = confirmedMode(codec_);
    const std::string asked = modeTextFor(baud);
    if (settings_ == asked) return true;
    problem_.kind = PortProblem::Kind::LineRefused;
    problem_.asked = asked;
    problem_.serverText = settings_;
    return false;
}

template <typename Done>
LineIo NetworkLine::pump(std::int64_t deadlineMs, Done done) {
    std::uint8_t buffer[512];
    bool looked = false;
    while (!done()) {
        std::size_t count = 0;
        const LineIo io = receive(buffer, sizeof buffer, count);
        if (io == LineIo::Lost) return io;
        if (io == LineIo::Done) {
            noteTaken(InFlight::ToProgram, count);
            if (negotiating_) keepServerText(buffer, count);
            continue;
        }
        // A wait that ends early saw an error or a hang-up on the socket:
        // one more look tells which.
        if (waitForDescriptor(fd_, POLLIN, deadlineMs)) continue;
        if (looked || monotonicMs() >= deadlineMs || endRequested()) return LineIo::Again;
        looked = true;
    }
    return LineIo::Done;
}

void NetworkLine::keepServerText(const std::uint8_t* data, std::size_t count) {
    for (std::size_t i = 0; i < count && serverText_.size() < kMaxServerText; ++i) {
        const bool printable = data[i] >= 0x20 && data[i] < 0x7F;
        if (printable)
            serverText_ += static_cast<char>(data[i]);
        else if (!serverText_.empty() && serverText_.back() != ' ')
            serverText_ += ' ';
    }
}

LineIo NetworkLine::receive(std::uint8_t* into, std::size_t room, std::size_t& count) {
    count = 0;
    if (sendPending() == LineIo::Lost) return LineIo::Lost;
    const ssize_t n = ::recv(fd_, into, room, MSG_DONTWAIT);
    if (n == 0) return lost(PortProblem::Kind::ClosedByServer, 0);
    if (n < 0) return wouldBlock(errno) ? LineIo::Again : lost(endOf(errno), errno);
    count = static_cast<std::size_t>(n);
    if (telnet()) {
        count = codec_.decode(into, count, into);
        pending_ += codec_.takeReplies();
        if (sendPending() == LineIo::Lost) return LineIo::Lost;
    }
    return LineIo::Done;
}

LineIo NetworkLine::lost(PortProblem::Kind kind, int error) {
    problem_.kind = kind;
    problem_.error = error;
    std::string text = serverText_;
    while (!text.empty() && text.back() == ' ') text.pop_back();
    if (kind == PortProblem::Kind::ClosedByServer) problem_.serverText = text;
    return LineIo::Lost;
}

LineIo NetworkLine::sendPending() {
    while (!pending_.empty()) {
        const ssize_t n =
            ::send(fd_, pending_.data(), pending_.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            pending_.erase(0, static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && wouldBlock(errno)) return LineIo::Again;
        return lost(endOf(errno), errno);
    }
    return LineIo::Done;
}

// The bytes of the protocol, all of them, within the write timeout.
bool NetworkLine::sendNow(const std::string& bytes) {
    pending_ += bytes;
    const std::int64_t deadlineMs = monotonicMs() + kSendTimeoutMs;
    for (;;) {
        const LineIo io = sendPending();
        if (io == LineIo::Done) return true;
        if (io == LineIo::Lost) return false;
        if (!waitForDescriptor(fd_, POLLOUT, deadlineMs)) {
            lost(PortProblem::Kind::ConnectionBroken, ETIMEDOUT);
            return false;
        }
    }
}

LineIo NetworkLine::writeByte(std::uint8_t byte) {
    if (const LineIo io = sendPending(); io != LineIo::Done) return io;
    // An escaped IAC is two bytes in one write; should only the first fit,
    // the second follows at once, or the stream would lose its framing.
    const std::string out = telnet() ? telnet::escaped(byte) : byteText(byte);
    const ssize_t n = ::send(fd_, out.data(), out.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n == static_cast<ssize_t>(out.size())) return LineIo::Done;
    if (n > 0)
        return sendNow(out.substr(static_cast<std::size_t>(n))) ? LineIo::Done : LineIo::Lost;
    if (n < 0 && wouldBlock(errno)) return LineIo::Again;
    return lost(endOf(errno), errno);
}

LineIo NetworkLine::read(std::uint8_t* into, std::size_t room, std::size_t& count) {
    return receive(into, room, count);
}

// Everything that has come in so far goes; with RFC 2217 the server drops
// what it holds too, and the bytes before its confirmation were on their
// way before the purge: they go as well.
LineIo NetworkLine::purgeReceive() {
    using namespace telnet;
    if (!telnet()) return drain();
    const std::size_t confirmed = codec_.purgesConfirmed(kPurgeReceive);
    const ServerAwaited awaited;
    if (!sendNow(comPortCommand(kPurgeData, byteText(kPurgeReceive)))) return LineIo::Lost;
    const LineIo io = pump(monotonicMs() + kPurgeConfirmMs, [this, confirmed] {
        return codec_.purgesConfirmed(kPurgeReceive) > confirmed;
    });
    if (io == LineIo::Again) {
        if (TrafficTrace* trace = TrafficTrace::active())
            trace->event(problem_.comName, "the server did not confirm the purge within " +
                                               std::to_string(kPurgeConfirmMs) + " ms");
        return LineIo::Done;
    }
    return io;
}

LineIo NetworkLine::drain() {
    std::uint8_t buffer[1024];
    for (;;) {
        std::size_t count = 0;
        const LineIo io = receive(buffer, sizeof buffer, count);
        if (io == LineIo::Again) return LineIo::Done;
        if (io != LineIo::Done) return io;
        noteTaken(InFlight::ToProgram, count);
    }
}

bool NetworkLine::purgeTransmit() {
    // A raw connection hands every byte to the network at once: nothing
    // waits on this side to be purged.
    if (!telnet()) return true;
    return sendNow(telnet::comPortCommand(telnet::kPurgeData, byteText(telnet::kPurgeTransmit)));
}

// What the unit sent and this side never reads is no longer under way for
// a test's clock.
void NetworkLine::noteUnreadGone() {
    if (!clockSkipping()) return;
    std::uint8_t buffer[1024];
    for (;;) {
        const ssize_t n = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n <= 0) return;
        const auto count = static_cast<std::size_t>(n);
        noteTaken(InFlight::ToProgram, telnet() ? codec_.decode(buffer, count, buffer) : count);
    }
}

void NetworkLine::close() {
    if (fd_ >= 0) {
        noteUnreadGone();
        forgetReceiver(fd_);
        ::close(fd_);
    }
    fd_ = -1;
    lock_.release();
    codec_ = telnet::Codec{};
    pending_.clear();
    serverText_.clear();
    settings_.clear();
}

}  // namespace devlink
