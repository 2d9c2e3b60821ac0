#include "devlink/port_lock.h"

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <limits>
#include <sstream>

namespace devlink {

namespace {

// A lock that names no process (empty, being written by a tool that writes
// after creating, or garbled) keeps the port until it is this old.
constexpr time_t kNamelessLockLifeS = 10;
// Rounds of "make the lock, find it taken, judge the one in the way". A
// stale lock that another program removes at the same moment costs one.
constexpr int kAttempts = 100;
constexpr int kMaxLinks = 16;
// /proc/locks has a line per lock in the system; more than this is no list
// to search through.
constexpr int kMaxLockLines = 100000;

bool isFolder(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

class FileCloser {
  public:
    explicit FileCloser(int fd) : fd_(fd) {}
    ~FileCloser() { ::close(fd_); }
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;

  private:
    int fd_;
};

bool isZombie(pid_t pid) {
    char path[32];
    std::snprintf(path, sizeof path, "/proc/%d/stat", static_cast<int>(pid));
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char text[512];
    const ssize_t n = ::read(fd, text, sizeof text);
    ::close(fd);
    if (n <= 0) return false;
    // "4711 (name) Z ...": the name may hold blanks and parentheses, the
    // state follows the last ')'.
    const std::string_view stat(text, static_cast<std::size_t>(n));
    const std::size_t close = stat.rfind(')');
    if (close == std::string_view::npos || close + 2 >= stat.size()) return false;
    return stat[close + 2] == 'Z' || stat[close + 2] == 'X';
}

bool isOld(const struct stat& info) {
    const time_t now = std::time(nullptr);
    return now - info.st_mtime > kNamelessLockLifeS || info.st_mtime - now > kNamelessLockLifeS;
}

// A lock naming this process, whole before it gets its name.
bool writeTemporary(const std::string& folder, std::string& name, struct stat& info) {
    name = folder + "/LTMP.XXXXXX";
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return false;
    char text[16];
    const int n = std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(getpid()));
    // Readable by all, as the other tools write theirs: they read the
    // holder's number from it.
    bool written = fchmod(fd, 0644) == 0 && ::write(fd, text, static_cast<std::size_t>(n)) == n &&
                   fstat(fd, &info) == 0;
    int error = errno;
    if (::close(fd) != 0 && written) written = false, error = errno;
    if (!written) {
        ::unlink(name.c_str());
        errno = error;
    }
    return written;
}

// Two programs may find the same stale lock at once. The flock on it lets
// one at a time check and remove it, and the check that its name still
// leads to this very file spares a fresh lock that the other has made in
// the meantime. False when the lock cannot be removed.
bool removeIfSame(const std::string& lock, int fd, const struct stat& judged) {
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        sched_yield();  // the other is removing it: look again
        return true;
    }
    struct stat now {};
    if (::lstat(lock.c_str(), &now) != 0 || now.st_dev != judged.st_dev ||
        now.st_ino != judged.st_ino)
        return true;  // gone or replaced already
    return ::unlink(lock.c_str()) == 0 || errno == ENOENT;
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

std::string networkLockFileName(const std::string& host, const std::string& port) {
    // A file name of the host: letters in one case, as names are, and
    // nothing that could lead out of the lock folder.
    std::string name = "LCK..net_";
    for (char c : host.substr(0, 200)) {
        const bool keep = std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-';
        name += keep ? static_cast<char>(std::tolower(static_cast<unsigned char>(c))) : '_';
    }
    return name + "_" + port;
}

std::vector<std::string> lockFileNames(const std::string& devicePath) {
    char resolved[PATH_MAX];
    std::vector<std::string> names{
        lockFileName(realpath(devicePath.c_str(), resolved) ? resolved : devicePath)};
    const auto add = [&names](const std::string& name) {
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    };
    std::string path = devicePath;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        char target[PATH_MAX];
        const ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
        if (n <= 0) break;
        add(lockFileName(path));
        // Some tools lock a /dev name by its last part only.
        add("LCK.." + path.substr(path.rfind('/') + 1));
        const std::string next(target, static_cast<std::size_t>(n));
        path = next.front() == '/' ? next : path.substr(0, path.rfind('/') + 1) + next;
    }
    return names;
}

pid_t lockHolderFromContent(std::string_view bytes) {
    // No ASCII number holds a NUL; every binary one does, as process
    // numbers stay below 2^22.
    if (bytes.size() == sizeof(int) && bytes.find('\0') != std::string_view::npos) {
        int binary = 0;
        std::memcpy(&binary, bytes.data(), sizeof binary);
        return binary > 0 ? binary : 0;
    }
    std::size_t i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t')) ++i;
    long long value = 0;
    std::size_t digits = 0;
    for (; i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9' && digits < 10; ++i, ++digits)
        value = value * 10 + (bytes[i] - '0');
    if (digits == 0 || value <= 0 || value > std::numeric_limits<pid_t>::max()) return 0;
    // After the number only a line end or more words ("4711 minicom").
    if (i < bytes.size() && bytes[i] != '\n' && bytes[i] != ' ' && bytes[i] != '\t' &&
        bytes[i] != '\r')
        return 0;
    return static_cast<pid_t>(value);
}

bool isRunning(pid_t pid) {
    if (pid <= 0) return false;
    if (kill(pid, 0) != 0 && errno != EPERM) return false;
    return !isZombie(pid);
}

pid_t flockHolder(const std::string& devicePath) {
    struct stat info {};
    if (stat(devicePath.c_str(), &info) != 0) return 0;
    std::ifstream locks("/proc/locks");
    std::string line;
    for (int count = 0; count < kMaxLockLines && std::getline(locks, line); ++count) {
        // "1: FLOCK  ADVISORY  WRITE 4711 00:1a:3 0 EOF"; a waiting one has
        // "->" before its type.
        std::istringstream words(line);
        std::string number, type, mode, access, where;
        long long pid = 0;
        if (!(words >> number >> type >> mode >> access >> pid >> where) || type != "FLOCK")
            continue;
        unsigned major = 0, minor = 0;
        unsigned long long inode = 0;
        if (std::sscanf(where.c_str(), "%x:%x:%llu", &major, &minor, &inode) != 3) continue;
        if (pid > 0 && pid <= std::numeric_limits<pid_t>::max() && major == major(info.st_dev) &&
            minor == minor(info.st_dev) && inode == info.st_ino)
            return static_cast<pid_t>(pid);
    }
    return 0;
}

bool PortLock::acquire(const std::string& devicePath) {
    release();
    holder_ = 0;
    blockingLock_.clear();
    unlockedError_ = 0;
    const std::string folder = lockFolder();
    const std::vector<std::string> names = lockFileNames(devicePath);
    for (std::size_t i = 1; i < names.size(); ++i)
        if (judge(folder + "/" + names[i], false) == Verdict::Held) return false;
    return take(folder + "/" + names.front());
}

bool PortLock::take(const std::string& lock) {
    std::string temporary;
    struct stat made {};
    if (!writeTemporary(lockFolder(), temporary, made)) {
        // No lock folder we may write: go without, unless a tool that may
        // write there holds the port.
        unlockedError_ = errno;
        return judge(lock, false) != Verdict::Held;
    }
    bool free = true;
    for (int attempt = 0;; ++attempt) {
        if (::link(temporary.c_str(), lock.c_str()) == 0) {
            path_ = lock;
            device_ = made.st_dev;
            inode_ = made.st_ino;
            owner_ = getpid();
            break;
        }
        if (errno != EEXIST) {
            unlockedError_ = errno;
            break;
        }
        const Verdict verdict = judge(lock, true);
        if (verdict == Verdict::Ours) break;  // an earlier open of this process
        if (verdict == Verdict::Held || attempt + 1 == kAttempts) {
            if (verdict != Verdict::Held) blockingLock_ = lock;
            free = false;
            break;
        }
    }
    ::unlink(temporary.c_str());
    return free;
}

// Whether the lock at this name keeps the port. A stale one is removed when
// mayRemove (the device's own lock), else only passed over.
bool PortLock::acquireNamed(const std::string& lockName) {
    release();
    holder_ = 0;
    blockingLock_.clear();
    unlockedError_ = 0;
    return take(lockFolder() + "/" + lockName);
}

PortLock::Verdict PortLock::judge(const std::string& lock, bool mayRemove) {
    const int fd = ::open(lock.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return Verdict::Stale;  // gone meanwhile
        blockingLock_ = lock;                        // a link, or not ours to read
        return Verdict::Held;
    }
    const FileCloser closer(fd);
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        blockingLock_ = lock;
        return Verdict::Held;
    }
    char bytes[64];
    const ssize_t n = ::read(fd, bytes, sizeof bytes);
    const pid_t owner =
        n > 0 ? lockHolderFromContent({bytes, static_cast<std::size_t>(n)}) : pid_t{0};
    if (owner == getpid()) return Verdict::Ours;
    if (isRunning(owner)) {
        holder_ = owner;
        return Verdict::Held;
    }
    if (owner == 0 && !isOld(info)) {
        blockingLock_ = lock;
        return Verdict::Held;
    }
    if (!mayRemove || removeIfSame(lock, fd, info)) return Verdict::Stale;
    blockingLock_ = lock;
    return Verdict::Held;
}

void PortLock::release() {
    if (path_.empty()) return;
    // Only the very file this process made: a lock under the same name may
    // be another program's by now.
    struct stat info {};
    if (owner_ == getpid() && ::lstat(path_.c_str(), &info) == 0 && info.st_dev == device_ &&
        info.st_ino == inode_)
        ::unlink(path_.c_str());
    path_.clear();
}

}  // namespace devlink
