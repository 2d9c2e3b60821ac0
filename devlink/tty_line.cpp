#include "devlink/tty_line.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "devlink/com_names.h"
#include "devlink/serial_port.h"
#include "devlink/skip_clock.h"

namespace devlink {

namespace {

// A ports-folder entry with the device it links to, as a message shows it:
// "/home/t/.config/aquendor/ports/COM3 -> /dev/ttyUSB0".
std::string shownPath(const std::string& path) {
    char target[4096];
    const ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
    if (n <= 0) return path;
    return path + " -> " + std::string(target, static_cast<std::size_t>(n));
}

bool isGone(int error) {
    return error == EIO || error == ENXIO;
}

}  // namespace

bool TtyLine::open(int baud, std::string& message) {
    close();
    if (openDevice() && configure(baud, message)) return true;
    close();
    return false;
}

PortProblem::Kind TtyLine::openFailure(int error, const std::string& path) {
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

bool TtyLine::openDevice() {
    using Kind = PortProblem::Kind;
    const std::string path = resolveComName(comName_);
    problem_.path = shownPath(path);
    problem_.bound = path.rfind(portsFolder() + "/", 0) == 0;
    if (path.empty()) {
        problem_.kind = Kind::NoComName;
        problem_.error = EINVAL;
        return false;
    }
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        problem_.kind = openFailure(error, path);
        problem_.error = error;
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
    ioctl(fd_, TIOCEXCL);  // fails harmlessly on a file that is no terminal
    noteReceiver(InFlight::ToProgram, fd_);
    return true;
}

bool TtyLine::refuseBusy() {
    problem_.kind = PortProblem::Kind::Busy;
    problem_.error = EBUSY;
    ::close(fd_);
    fd_ = -1;
    lock_.release();
    return false;
}

bool TtyLine::configure(int baud, std::string& message) {
    termios line{};
    if (tcgetattr(fd_, &line) != 0) {
        problem_.kind = PortProblem::Kind::NotSerial;
        problem_.error = errno;
        message = "error in GetCommState!";
        return false;
    }
    LineSettings settings;
    speed_t speed = B19200;
    if (!parseModeText(modeTextFor(baud), settings)) {
        message = "error in BuildCommDCB";
        return false;
    }
    if (settings.baud == 9600) speed = B9600;
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
        message = "error in SetCommState";
        return false;
    }
    return true;
}

void TtyLine::close() {
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
}

LineIo TtyLine::lost(int error) {
    problem_.kind = PortProblem::Kind::Lost;
    problem_.error = error;
    return LineIo::Lost;
}

// What the unit sent and this side never reads (purged or closed with the
// port) is no longer under way for a test's clock.
void TtyLine::noteUnreadGone() const {
    if (!clockSkipping()) return;
    int unread = 0;
    if (ioctl(fd_, FIONREAD, &unread) == 0 && unread > 0)
        noteTaken(InFlight::ToProgram, static_cast<std::size_t>(unread));
}

LineIo TtyLine::purgeReceive() {
    noteUnreadGone();
    if (tcflush(fd_, TCIFLUSH) == 0) return LineIo::Done;
    return isGone(errno) ? lost(errno) : LineIo::Failed;
}

bool TtyLine::purgeTransmit() {
    return tcflush(fd_, TCOFLUSH) == 0;
}

LineIo TtyLine::writeByte(std::uint8_t byte) {
    const ssize_t n = ::write(fd_, &byte, 1);
    if (n == 1) return LineIo::Done;
    if (n == 0 || errno == EAGAIN || errno == EINTR) return LineIo::Again;
    return isGone(errno) ? lost(errno) : LineIo::Failed;
}

LineIo TtyLine::read(std::uint8_t* into, std::size_t room, std::size_t& count) {
    count = 0;
    const ssize_t n = ::read(fd_, into, room);
    if (n > 0) {
        count = static_cast<std::size_t>(n);
        return LineIo::Done;
    }
    // 0 on a non-blocking terminal is a hang-up, not an empty line.
    if (n == 0) return lost(EIO);
    if (errno == EAGAIN || errno == EINTR) return LineIo::Again;
    return isGone(errno) ? lost(errno) : LineIo::Failed;
}

}  // namespace devlink
