#include "devlink/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sstream>

#include "devlink/com_names.h"
#include "devlink/delay.h"
#include "devlink/port_problem.h"
#include "devlink/skip_clock.h"
#include "devlink/traffic_trace.h"
#include "devlink/wait_hook.h"

namespace devlink {

namespace {

// Character times to wait after the first byte of a burst (see fillReceiveBuffer).
constexpr long long kGatherCharacters = 8;

bool speedFor(int baud, speed_t& speed) {
    switch (baud) {
        case 9600:
            speed = B9600;
            return true;
        case 19200:
            speed = B19200;
            return true;
        default:
            return false;
    }
}

// A ports-folder entry with the device it links to, as a message shows it:
// "/home/t/.config/aquendor/ports/COM3 -> /dev/ttyUSB0".
std::string shownPath(const std::string& path) {
    char target[4096];
    const ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
    if (n <= 0) return path;
    return path + " -> " + std::string(target, static_cast<std::size_t>(n));
}

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
    speed_t speed;
    if (!seen[0] || !speedFor(parsed.baud, speed)) return false;
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

bool SerialPort::openQuietly() {
    // Measuring program: a second open drops the old handle, exclusive mode
    // lifted first, or the device would refuse the new open.
    closePort();
    problem_ = PortProblem{};
    problem_.comName = name_;
    problemShown_ = false;
    TrafficTrace* trace = TrafficTrace::active();
    if (!openDevice() || !configureLine()) {
        if (trace) trace->event(name_, "open failed: " + explain(problem_, true));
        return false;
    }
    if (trace) trace->event(name_, "opened " + problem_.path + ", " + modeText_);
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

void SerialPort::noteProblem(PortProblem::Kind kind, int error) {
    problem_.kind = kind;
    problem_.error = error;
}

PortProblem::Kind SerialPort::openFailure(int error, const std::string& path) {
    using Kind = PortProblem::Kind;
    switch (error) {
        case ENOENT:
        case ENXIO:
        case ENODEV:
            return Kind::Missing;
        case EACCES:
        case EPERM:
            problem_.group = deviceGroup(path);
            return Kind::Permission;
        case EBUSY:  // in exclusive use; its holder may have a flock on it too
            problem_.holder = flockHolder(path);
            return Kind::Busy;
        case EISDIR:
            return Kind::NotSerial;
        default:
            return Kind::Other;
    }
}

bool SerialPort::openDevice() {
    using Kind = PortProblem::Kind;
    const std::string path = resolveComName(name_);
    problem_.path = shownPath(path);
    problem_.bound = path.rfind(portsFolder() + "/", 0) == 0;
    if (path.empty()) {
        noteProblem(Kind::NoComName, EINVAL);
        return false;
    }
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        noteProblem(openFailure(error, path), error);
        return false;
    }
    // Serial tools agree on a lock file; another program holding the port
    // keeps it. Without one, flock and the terminal's exclusive mode tell.
    if (!lock_.acquire(path)) {
        problem_.holder = lock_.holder();
        problem_.lockFile = lock_.blockingLock();
        return refuseBusy();
    }
    if (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        problem_.holder = flockHolder(path);
        return refuseBusy();
    }
    if (lock_.unlockedError() != 0) sayUnlocked();
    ioctl(fd_, TIOCEXCL);  // fails harmlessly on a file that is no terminal
    noteReceiver(InFlight::ToProgram, fd_);
    return true;
}

bool SerialPort::refuseBusy() {
    noteProblem(PortProblem::Kind::Busy, EBUSY);
    ::close(fd_);
    fd_ = -1;
    lock_.release();
    return false;
}

// Without a lock file other serial tools cannot see that the port is in
// use; support learns it from the trace, once.
void SerialPort::sayUnlocked() {
    TrafficTrace* trace = TrafficTrace::active();
    if (unlockedSaid_ || !trace) return;
    unlockedSaid_ = true;
    trace->event(name_, "no lock file: cannot write in " + lockFolder() + " (" +
                            std::strerror(lock_.unlockedError()) +
                            "); the port is used without one");
}

bool SerialPort::configureLine() {
    termios line{};
    if (tcgetattr(fd_, &line) != 0) {
        noteProblem(PortProblem::Kind::NotSerial, errno);
        failOpen("error in GetCommState!" + withCause());
        return false;
    }
    const std::string mode = modeTextFor(baud_);
    LineSettings settings;
    speed_t speed;
    if (!parseModeText(mode, settings) || !speedFor(settings.baud, speed)) {
        failOpen("error in BuildCommDCB");
        return false;
    }
    cfmakeraw(&line);
    line.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    line.c_cflag |= CS8 | CLOCAL | CREAD;
    line.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    // With one byte as minimum a non-blocking read of an empty line says
    // EAGAIN, and 0 only ever means a hang-up; poll() does the waiting.
    line.c_cc[VMIN] = 1;
    line.c_cc[VTIME] = 0;
    if (cfsetispeed(&line, speed) != 0 || cfsetospeed(&line, speed) != 0 ||
        tcsetattr(fd_, TCSANOW, &line) != 0) {
        failOpen("error in SetCommState");
        return false;
    }
    if (!setTimeouts(kNormalTimeouts)) {
        failOpen("error in SetCommTimeouts");
        return false;
    }
    modeText_ = mode;
    return true;
}

void SerialPort::failOpen(const std::string& message) {
    problemShown_ = true;
    window_.showMessage(message, MessageCaption::ProgramName);
    closePort();
}

void SerialPort::closePort() {
    // The exclusive mode outlives the descriptor on a pseudo-terminal; lift
    // it so that the next open (this program's or another's) is not refused.
    if (fd_ >= 0) {
        ioctl(fd_, TIOCNXCL);
        noteUnreadGone();
        forgetReceiver(fd_);
        ::close(fd_);
    }
    lock_.release();
    fd_ = -1;
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
// back in is all the technician has to do.
bool SerialPort::purgeReceive() {
    if (lost_ && !reopenLost()) return false;
    received_.clear();
    if (fd_ < 0) return false;
    noteUnreadGone();
    if (tcflush(fd_, TCIFLUSH) == 0) return true;
    if (errno != EIO && errno != ENXIO) return false;
    markLost(errno);  // gone since the last action
    return reopenLost() && tcflush(fd_, TCIFLUSH) == 0;
}

// Stays marked lost until the device is back, so every action tries again.
bool SerialPort::reopenLost() {
    if (openQuietly()) return true;
    lost_ = true;
    return false;
}

void SerialPort::markLost(int error) {
    if (TrafficTrace* trace = TrafficTrace::active()) {
        PortProblem gone;
        gone.kind = PortProblem::Kind::Lost;
        gone.comName = name_;
        gone.path = problem_.path;
        gone.error = error;
        trace->event(name_, "device gone: " + explain(gone, true));
    }
    lost_ = true;
    noteProblem(PortProblem::Kind::Lost, error);
}

// What the unit sent and this side never reads (purged or closed with the
// port) is no longer under way for a test's clock.
void SerialPort::noteUnreadGone() const {
    if (!clockSkipping()) return;
    int unread = 0;
    if (ioctl(fd_, FIONREAD, &unread) == 0 && unread > 0)
        noteTaken(InFlight::ToProgram, static_cast<std::size_t>(unread));
}

bool SerialPort::purgeTransmit() {
    return fd_ >= 0 && tcflush(fd_, TCOFLUSH) == 0;
}

bool SerialPort::writeByte(std::uint8_t byte) {
    if (fd_ < 0) return false;
    const std::int64_t deadline = monotonicMs() + timeouts_.singleByteWrite();
    for (;;) {
        notePut(InFlight::ToUnit);
        const ssize_t n = ::write(fd_, &byte, 1);
        if (n != 1) noteTaken(InFlight::ToUnit);  // it did not go
        if (n == 1) {
            if (TrafficTrace* trace = TrafficTrace::active())
                trace->byte(name_, TraceDirection::Sent, byte);
            return true;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            if (errno == EIO || errno == ENXIO) markLost(errno);
            return false;
        }
        if (!waitForDescriptor(fd_, POLLOUT, deadline)) return false;
    }
}

std::optional<std::uint8_t> SerialPort::readByte() {
    if (fd_ < 0) return std::nullopt;
    if (received_.empty() && !fillReceiveBuffer(monotonicMs() + timeouts_.singleByteRead()))
        return std::nullopt;
    const std::uint8_t byte = received_.bytes[received_.begin++];
    if (TrafficTrace* trace = TrafficTrace::active())
        trace->byte(name_, TraceDirection::Received, byte);
    return byte;
}

// Waits for the first byte, then lets a few more character times pass
// before taking everything the driver holds. At 19200 bit/s a byte arrives
// every half millisecond; waking for each one would cost more processor
// time than the whole exchange is worth.
bool SerialPort::fillReceiveBuffer(std::int64_t deadlineMs) {
    received_.clear();
    for (;;) {
        const ssize_t n = ::read(fd_, received_.bytes.data(), received_.bytes.size());
        if (n > 0) {
            noteTaken(InFlight::ToProgram, static_cast<std::size_t>(n));
            received_.end = static_cast<std::size_t>(n);
            return true;
        }
        // 0 on a non-blocking terminal is a hang-up, not an empty line.
        if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
            if (n == 0 || errno == EIO || errno == ENXIO) markLost(n == 0 ? EIO : errno);
            return false;
        }
        if (!waitForDescriptor(fd_, POLLIN, deadlineMs)) return false;
        sleepUntilUs(monotonicUs() + kGatherCharacters * 10'000'000LL / baud_);
    }
}

bool SerialPort::setTimeouts(const CommTimeouts& timeouts) {
    if (fd_ < 0) return false;
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
