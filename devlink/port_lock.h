// The UUCP lock file that serial tools on Linux agree on (minicom, picocom,
// ModemManager-aware programs): LCK..<device> in the lock folder, holding
// the owner's process number. A port whose lock names a live process is
// taken; a lock of a process that is gone is stale and removed.
#pragma once

#include <sys/types.h>
#include <string>

namespace devlink {

// $AQUENDOR_LOCK_DIR when set, else /run/lock, else /var/lock.
std::string lockFolder();

// "LCK..ttyUSB0" for /dev/ttyUSB0, "LCK..pts_3" for /dev/pts/3.
std::string lockFileName(const std::string& devicePath);

class PortLock {
  public:
    PortLock() = default;
    ~PortLock() { release(); }
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;

    // Takes the lock of the device (the final path, links followed). False
    // when a live process holds it; holder() then names it. Where the lock
    // folder cannot be written, the port is used without a lock.
    bool acquire(const std::string& devicePath);
    void release();
    pid_t holder() const { return holder_; }

  private:
    std::string path_;  // the lock this process holds, empty when none
    pid_t holder_ = 0;
};

}  // namespace devlink
