#include "devlink/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <sstream>

#include "devlink/com_names.h"
#include "devlink/delay.h"

namespace devlink {

namespace {

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

// Waits until fd is ready for events or the deadline passes.
bool waitReady(int fd, short events, std::int64_t deadlineMs) {
    for (;;) {
        const std::int64_t left = deadlineMs - monotonicMs();
        if (left <= 0) return false;
        pollfd p{fd, events, 0};
        const int n = poll(&p, 1, static_cast<int>(left));
        if (n > 0) return (p.revents & events) != 0;
        if (n < 0 && errno != EINTR) return false;
    }
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
    if (fd_ >= 0) {  // measuring program: a second open drops the old handle
        ::close(fd_);
        fd_ = -1;
    }
    open_ = false;
    if (!openDevice()) {
        window_.showMessage(pick(window_, name_ + " konnte nicht ge\u00F6ffnet werden !",
                                 name_ + ": cannot open port !"),
                            MessageCaption::ProgramCaption);
        return false;
    }
    if (!configureLine()) return false;
    open_ = true;
    return true;
}

bool SerialPort::openDevice() {
    const std::string path = resolveComName(name_);
    if (path.empty()) return false;
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return false;
    // Another program holding the port keeps it: the lock is what tells.
    if (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    ioctl(fd_, TIOCEXCL);  // fails harmlessly on a file that is no terminal
    return true;
}

bool SerialPort::configureLine() {
    termios line{};
    if (tcgetattr(fd_, &line) != 0) {
        failOpen("error in GetCommState!");
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
    line.c_cc[VMIN] = 0;
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
    window_.showMessage(message, MessageCaption::ProgramName);
    ::close(fd_);
    fd_ = -1;
    open_ = false;
}

void SerialPort::closePort() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    open_ = false;
}

bool SerialPort::reopenPort() {
    closePort();
    return openPort();
}

bool SerialPort::purgeReceive() {
    return fd_ >= 0 && tcflush(fd_, TCIFLUSH) == 0;
}

bool SerialPort::purgeTransmit() {
    return fd_ >= 0 && tcflush(fd_, TCOFLUSH) == 0;
}

bool SerialPort::writeByte(std::uint8_t byte) {
    if (fd_ < 0) return false;
    const std::int64_t deadline = monotonicMs() + timeouts_.singleByteWrite();
    for (;;) {
        const ssize_t n = ::write(fd_, &byte, 1);
        if (n == 1) return true;
        if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
        if (!waitReady(fd_, POLLOUT, deadline)) return false;
    }
}

std::optional<std::uint8_t> SerialPort::readByte() {
    if (fd_ < 0) return std::nullopt;
    const std::int64_t deadline = monotonicMs() + timeouts_.singleByteRead();
    for (;;) {
        std::uint8_t byte = 0;
        const ssize_t n = ::read(fd_, &byte, 1);
        if (n == 1) return byte;
        // 0 on a non-blocking terminal is a hang-up, not an empty line.
        if (n == 0 || (errno != EAGAIN && errno != EINTR)) return std::nullopt;
        if (!waitReady(fd_, POLLIN, deadline)) return std::nullopt;
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
