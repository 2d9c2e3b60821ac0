#include "tools/unitsim/pseudo_terminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "devlink/skip_clock.h"

namespace unitsim {

namespace {

void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

}  // namespace

PseudoTerminal::~PseudoTerminal() {
    closeAll();
}

bool PseudoTerminal::open() {
    if (isOpen()) return true;
    if (openMaster() && openSlave()) {
        watchCloses();
        devlink::noteReceiver(devlink::InFlight::ToUnit, master_);
        return true;
    }
    const int error = errno;
    closeAll();
    errno = error;
    return false;
}

bool PseudoTerminal::openMaster() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return false;
    char path[128];
    if (ptsname_r(master_, path, sizeof path) != 0) return false;
    slavePath_ = path;
    // Raw before any program opens the slave: the line must not echo the
    // requests back or translate the end byte.
    termios line{};
    if (tcgetattr(master_, &line) != 0) return false;
    cfmakeraw(&line);
    if (tcsetattr(master_, TCSANOW, &line) != 0) return false;
    // Writes must never block the simulator when nobody reads the slave side.
    const int flags = fcntl(master_, F_GETFL);
    return flags >= 0 && fcntl(master_, F_SETFL, flags | O_NONBLOCK) == 0;
}

bool PseudoTerminal::openSlave() {
    slave_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    return slave_ >= 0;
}

// The exclusive mode a program sets stays on a pseudo-terminal after the
// program closes it (unlike on a real port), and would refuse its next open.
// A notice of each close lets the simulator clear the mode again.
void PseudoTerminal::watchCloses() {
    closeWatch_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (closeWatch_ < 0) return;
    if (inotify_add_watch(closeWatch_, slavePath_.c_str(), IN_CLOSE_WRITE | IN_CLOSE_NOWRITE) < 0)
        closeFd(closeWatch_);
}

void PseudoTerminal::releaseExclusiveMode() {
    char events[1024];
    while (closeWatch_ >= 0 && ::read(closeWatch_, events, sizeof events) > 0) {
    }
    if (slave_ >= 0) ioctl(slave_, TIOCNXCL);
}

void PseudoTerminal::closeAll() {
    if (master_ >= 0) devlink::forgetReceiver(master_);
    closeFd(closeWatch_);
    closeFd(slave_);
    closeFd(master_);
}

int PseudoTerminal::lineBaud() const {
    termios line{};
    if (master_ < 0 || tcgetattr(master_, &line) != 0) return 0;
    switch (cfgetospeed(&line)) {
        case B9600:
            return 9600;
        case B19200:
            return 19200;
        case B38400:
            return 38400;
        default:
            return 0;
    }
}

}  // namespace unitsim
