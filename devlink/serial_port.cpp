#include "devlink/serial_port.h"

#include <poll.h>

#include <cstring>
#include <sstream>

#include "devlink/com_names.h"
#include "devlink/delay.h"
#include "devlink/network_address.h"
#include "devlink/network_line.h"
#include "devlink/port_lock.h"
#include "devlink/skip_clock.h"
#include "devlink/traffic_trace.h"
#include "devlink/tty_line.h"
#include "devlink/wait_hook.h"

namespace devlink {

namespace {

// Character times to wait after the first byte of a burst (see fillReceiveBuffer).
constexpr long long kGatherCharacters = 8;
// A network serial server gathers the bytes of the line into packets itself
// (ser2net waits two character times after the last byte it read): waiting
// again after a packet arrived would only delay the answer's end.
constexpr long long kNetworkGatherCharacters = 0;

bool supportedSpeed(int baud) {
    return baud == 9600 || baud == 19200;
}

// A line for a COM name whose binding names no valid address: it never
// opens, and says why.
class UnusableBinding : public Line {
  public:
    UnusableBinding(std::string text, PortProblem& problem)
        : text_(std::move(text)), problem_(problem) {}
    bool open(int, std::string&) override {
        problem_.kind = PortProblem::Kind::BadAddress;
        problem_.path = text_;
        return false;
    }
    void close() override {}
    bool isOpen() const override { return false; }
    int descriptor() const override { return -1; }
    LineIo purgeReceive() override { return LineIo::Failed; }
    bool purgeTransmit() override { return false; }
    LineIo writeByte(std::uint8_t) override { return LineIo::Failed; }
    LineIo read(std::uint8_t*, std::size_t, std::size_t&) override { return LineIo::Failed; }
    int unlockedError() const override { return 0; }
    std::string description() const override { return text_; }
    bool network() const override { return true; }

  private:
    std::string text_;
    PortProblem& problem_;
};

}  // namespace

bool parseModeText(const std::string& text, LineSettings& settings) {
    LineSettings parsed;
    bool seen[4] = {false, false, false, false};
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        const auto eq = word.find('=');
        if (eq == std::string::npos || eq + 1 >= word.size()) return false;
        const std::string key = word.substr(0, eq);
        const std::string value = word.substr(eq + 1);
        if (key == "parity") {
            if (value.size() != 1) return false;
            parsed.parity = value[0];
            seen[1] = true;
            continue;
        }
        int number = 0;
        for (char c : value) {
            if (c < '0' || c > '9' || number > 1000000) return false;
            number = number * 10 + (c - '0');
        }
        if (key == "baud")
            parsed.baud = number, seen[0] = true;
        else if (key == "data")
            parsed.dataBits = number, seen[2] = true;
        else if (key == "stop")
            parsed.stopBits = number, seen[3] = true;
        else
            return false;
    }
    if (!seen[0] || !supportedSpeed(parsed.baud)) return false;
    if (parsed.parity != 'N' || parsed.dataBits != 8 || parsed.stopBits != 1) return false;
    settings = parsed;
    return true;
}

std::string modeTextFor(int baud) {
    return "baud=" + std::to_string(baud == 19200 ? 19200 : 9600) + " parity=N data=8 stop=1";
}

SerialPort::SerialPort(LinkWindow& window, bool checkOpenFlag)
    : window_(window), checkOpenFlag_(checkOpenFlag) {}

SerialPort::~SerialPort() {
    closePort();
}

bool SerialPort::openPort() {
    if (checkOpenFlag_ && open_) return false;
    if (!openQuietly()) {
        if (problemShown_) return false;
        window_.showMessage(pick(window_, name_ + " konnte nicht ge\u00F6ffnet werden !",
                                 name_ + ": cannot open port !") +
                                withCause(),
                            MessageCaption::ProgramCaption);
        return false;
    }
    return true;
}

// The binding decides at each open what is behind the COM name, so that
// binding it anew takes effect at the next open.
std::unique_ptr<Line> SerialPort::lineForBinding() {
    const std::string text = networkBindingText(name_);
    if (text.empty()) return std::make_unique<TtyLine>(name_, problem_);
    if (auto address = parseNetworkAddress(text))
        return std::make_unique<NetworkLine>(std::move(*address), problem_);
    return std::make_unique<UnusableBinding>(text, problem_);
}

bool SerialPort::openQuietly() {
    // Measuring program: a second open drops the old handle, exclusive mode
    // lifted first, or the device would refuse the new open.
    closePort();
    problem_ = PortProblem{};
    problem_.comName = name_;
    problemShown_ = false;
    line_ = lineForBinding();
    TrafficTrace* trace = TrafficTrace::active();
    std::string message;
    bool opened = line_->open(baud_, message);
    if (opened) {
        modeText_ = modeTextFor(baud_);
        if (!setTimeouts(kNormalTimeouts)) message = "error in SetCommTimeouts", opened = false;
    }
    if (!opened) {
        if (trace) trace->event(name_, "open failed: " + explain(problem_, true));
        if (!message.empty()) {
            problemShown_ = true;
            window_.showMessage(message + withCause(), MessageCaption::ProgramName);
        }
        line_->close();
        // A server that could not be reached is tried again at the next
        // action, as a connection that broke off is.
        lost_ = line_->network() && problem_.kind != PortProblem::Kind::BadAddress &&
                problem_.kind != PortProblem::Kind::Busy;
        return false;
    }
    if (line_->unlockedError() != 0) sayUnlocked();
    if (trace) trace->event(name_, "opened " + line_->description() + ", " + modeText_);
    open_ = true;
    return true;
}

std::string SerialPort::withCause() const {
    const std::string cause = explain(problem_, window_.english());
    return cause.empty() ? cause : "\n" + cause;
}

std::string SerialPort::problemText(bool english) const {
    return explain(problem_, english);
}

std::string SerialPort::lostText(bool english) const {
    return lost_ && onNetwork() ? explain(problem_, english) : std::string();
}

// Without a lock file other serial tools cannot see that the port is in
// use; support learns it from the trace, once.
void SerialPort::sayUnlocked() {
    TrafficTrace* trace = TrafficTrace::active();
    if (unlockedSaid_ || !trace) return;
    unlockedSaid_ = true;
    trace->event(name_, "no lock file: cannot write in " + lockFolder() + " (" +
                            std::strerror(line_->unlockedError()) +
                            "); the port is used without one");
}

void SerialPort::closePort() {
    if (line_) line_->close();
    open_ = false;
    lost_ = false;
    received_.clear();
}

bool SerialPort::reopenPort() {
    closePort();
    return openPort();
}

// Every action begins here. A device that went away while open (a USB
// adapter pulled out) is opened again by its COM name first, so plugging it
// back in is all the technician has to do; a network connection that broke
// off is made again the same way.
bool SerialPort::purgeReceive() {
    if (lost_ && !reopenLost()) return false;
    received_.clear();
    if (!usable()) return false;
    switch (line_->purgeReceive()) {
        case LineIo::Done:
            return true;
        case LineIo::Lost:
            markLost();  // gone since the last action
            return reopenLost() && line_->purgeReceive() == LineIo::Done;
        default:
            return false;
    }
}

// Stays marked lost until the line is back, so every action tries again.
bool SerialPort::reopenLost() {
    if (openQuietly()) return true;
    lost_ = true;
    return false;
}

void SerialPort::markLost() {
    if (TrafficTrace* trace = TrafficTrace::active())
        trace->event(name_, (line_->network() ? "connection lost: " : "device gone: ") +
                                explain(problem_, true));
    lost_ = true;
}

bool SerialPort::purgeTransmit() {
    return usable() && line_->purgeTransmit();
}

bool SerialPort::writeByte(std::uint8_t byte) {
    if (!usable()) return false;
    const std::int64_t deadline = monotonicMs() + timeouts_.singleByteWrite();
    bool lookedAgain = false;
    for (;;) {
        notePut(InFlight::ToUnit);
        const LineIo io = line_->writeByte(byte);
        if (io != LineIo::Done) noteTaken(InFlight::ToUnit);  // it did not go
        switch (io) {
            case LineIo::Done:
                if (TrafficTrace* trace = TrafficTrace::active())
                    trace->byte(name_, TraceDirection::Sent, byte);
                return true;
            case LineIo::Lost:
                markLost();
                return false;
            case LineIo::Failed:
                return false;
            case LineIo::Again:
                break;
        }
        if (!waitForDescriptor(line_->descriptor(), POLLOUT, deadline) &&
            !failureToTellApart(deadline, lookedAgain))
            return false;
    }
}

std::optional<std::uint8_t> SerialPort::readByte() {
    if (!usable()) return std::nullopt;
    if (received_.empty() && !fillReceiveBuffer(monotonicMs() + timeouts_.singleByteRead()))
        return std::nullopt;
    const std::uint8_t byte = received_.bytes[received_.begin++];
    if (TrafficTrace* trace = TrafficTrace::active())
        trace->byte(name_, TraceDirection::Received, byte);
    return byte;
}

// Waits for the first byte, then lets a few more character times pass
// before taking everything the line holds. At 19200 bit/s a byte arrives
// every half millisecond; waking for each one would cost more processor
// time than the whole exchange is worth. Bytes from a network server come
// in packets already.
bool SerialPort::fillReceiveBuffer(std::int64_t deadlineMs) {
    received_.clear();
    bool lookedAgain = false;
    for (;;) {
        std::size_t count = 0;
        switch (line_->read(received_.bytes.data(), received_.bytes.size(), count)) {
            case LineIo::Done:
                if (count == 0) continue;  // only the server's own protocol came
                noteTaken(InFlight::ToProgram, count);
                received_.end = count;
                return true;
            case LineIo::Lost:
                markLost();
                return false;
            case LineIo::Failed:
                return false;
            case LineIo::Again:
                break;
        }
        if (!waitForDescriptor(line_->descriptor(), POLLIN, deadlineMs)) {
            if (failureToTellApart(deadlineMs, lookedAgain)) continue;
            return false;
        }
        const long long gather = line_->network() ? kNetworkGatherCharacters : kGatherCharacters;
        if (gather > 0) sleepUntilUs(monotonicUs() + gather * 10'000'000LL / baud_);
    }
}

// A wait on a network connection that ends before its deadline saw an error
// or the end of the connection on the socket, not a timeout: one more try
// on the line says which, so the message can say why. Once only.
bool SerialPort::failureToTellApart(std::int64_t deadlineMs, bool& lookedAgain) const {
    if (lookedAgain || !line_->network() || monotonicMs() >= deadlineMs || endRequested())
        return false;
    lookedAgain = true;
    return true;
}

bool SerialPort::setTimeouts(const CommTimeouts& timeouts) {
    if (!usable()) return false;
    timeouts_ = timeouts;
    return true;
}

bool SerialPort::setModemWaitTimeouts() {
    return setTimeouts(kModemWaitTimeouts);
}

bool SerialPort::setNormalTimeouts() {
    return setTimeouts(kNormalTimeouts);
}

}  // namespace devlink
