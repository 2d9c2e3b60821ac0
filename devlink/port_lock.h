// The UUCP lock file that serial tools on Linux agree on (minicom, picocom,
// ModemManager-aware programs): LCK..<device> in the lock folder, holding
// the owner's process number. A port whose lock names a running process is
// taken; a lock of a process that is gone (or a zombie) is stale and
// removed.
//
// The lock folder is writable by every user and shared with other tools,
// so nothing in it is trusted: a lock is made whole under a temporary name
// and link()ed into place (no other program ever reads it half written),
// locks are opened without following links and without blocking, only a
// plain file counts as a lock, and a stale lock is removed only after
// checking that its name still leads to the very file that was judged.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

namespace devlink {

// $AQUENDOR_LOCK_DIR when set, else /run/lock, else /var/lock.
std::string lockFolder();

// "LCK..ttyUSB0" for /dev/ttyUSB0, "LCK..pts_3" for /dev/pts/3.
std::string lockFileName(const std::string& devicePath);

// The lock of a serial port on a network server, for the programs of the
// suite on this computer: "LCK..net_plant-7.example_4001". No other tool
// knows it; it keeps a second program of the suite from taking the port
// over (a server that lets a new client push the old one off would).
std::string networkLockFileName(const std::string& host, const std::string& port);

// The names a port may be locked under: first the device's own (links
// followed), then those of the links on the way to it, which a terminal
// program started on such a link (/dev/serial/by-id/...) locks instead.
std::vector<std::string> lockFileNames(const std::string& devicePath);

// The process a lock file's bytes name: ten characters of ASCII with a line
// end (the usual form) or, from old tools, a binary int of four bytes, which
// always holds a NUL. 0 when the bytes name no process.
pid_t lockHolderFromContent(std::string_view bytes);

// Whether a process runs: it exists and is no zombie waiting for its parent.
bool isRunning(pid_t pid);

// The process holding a flock on the device (links followed), from
// /proc/locks; 0 when none is found.
pid_t flockHolder(const std::string& devicePath);

class PortLock {
  public:
    PortLock() = default;
    ~PortLock() { release(); }
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;

    // Takes the lock of the device. False when the port is held: holder()
    // names the running process of a lock, or blockingLock() the lock file
    // that keeps the port without naming one (being written, not a plain
    // file, unreadable). Where the lock folder cannot be written, the port is
    // used without a lock and unlockedError() tells why.
    bool acquire(const std::string& devicePath);
    // The same for a lock of this name in the lock folder (no device behind it).
    bool acquireNamed(const std::string& lockName);
    void release();

    pid_t holder() const { return holder_; }
    const std::string& blockingLock() const { return blockingLock_; }
    // errno of the failed attempt to make a lock; 0 when the port has one.
    int unlockedError() const { return unlockedError_; }

  private:
    enum class Verdict { Held, Ours, Stale };
    bool take(const std::string& lock);
    Verdict judge(const std::string& lock, bool mayRemove);

    std::string path_;  // the lock this process holds, empty when none
    dev_t device_ = 0;  // and the file it made, to know it again
    ino_t inode_ = 0;
    pid_t owner_ = 0;  // the process that made it (a forked child does not own it)
    pid_t holder_ = 0;
    std::string blockingLock_;
    int unlockedError_ = 0;
};

}  // namespace devlink
