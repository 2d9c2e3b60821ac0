#include "devlink/port_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace devlink {

namespace {

bool isFolder(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

// The process number in a lock file: ASCII (ten characters with a line
// end, the usual form) or, from old tools, a binary int. 0 when unreadable.
pid_t readHolder(const std::string& lock) {
    const int fd = ::open(lock.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    char text[32] = {};
    const ssize_t n = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (n == static_cast<ssize_t>(sizeof(int))) {
        int binary = 0;
        std::memcpy(&binary, text, sizeof binary);
        if (binary > 0 && text[0] != ' ' && (text[0] < '0' || text[0] > '9')) return binary;
    }
    return n > 0 ? static_cast<pid_t>(std::strtol(text, nullptr, 10)) : 0;
}

bool isAlive(pid_t pid) {
    return pid > 0 && (kill(pid, 0) == 0 || errno == EPERM);
}

}  // namespace

std::string lockFolder() {
    if (const char* folder = std::getenv("AQUENDOR_LOCK_DIR"); folder && *folder) return folder;
    return isFolder("/run/lock") ? "/run/lock" : "/var/lock";
}

std::string lockFileName(const std::string& devicePath) {
    std::string name;
    if (devicePath.rfind("/dev/", 0) == 0) {
        name = devicePath.substr(5);
        for (char& c : name)
            if (c == '/') c = '_';
    } else {
        name = devicePath.substr(devicePath.rfind('/') + 1);
    }
    return "LCK.." + name;
}

bool PortLock::acquire(const std::string& devicePath) {
    release();
    holder_ = 0;
    char resolved[4096];
    const std::string device = realpath(devicePath.c_str(), resolved) ? resolved : devicePath;
    const std::string lock = lockFolder() + "/" + lockFileName(device);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(lock.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            char text[16];
            const int n = std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(getpid()));
            const bool written = ::write(fd, text, static_cast<std::size_t>(n)) == n;
            ::close(fd);
            if (written)
                path_ = lock;
            else
                ::unlink(lock.c_str());
            return true;
        }
        if (errno != EEXIST) return true;  // no lock folder we may write: go without
        const pid_t owner = readHolder(lock);
        if (owner == getpid()) return true;  // our own, from an earlier open
        if (isAlive(owner)) {
            holder_ = owner;
            return false;
        }
        ::unlink(lock.c_str());  // stale: its process is gone
    }
    return true;
}

void PortLock::release() {
    if (path_.empty()) return;
    if (readHolder(path_) == getpid()) ::unlink(path_.c_str());
    path_.clear();
}

}  // namespace devlink
