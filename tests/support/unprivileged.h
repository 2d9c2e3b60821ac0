// Runs a piece of a test in a child process as an ordinary user, so that
// permission checks apply as they do for a technician even when the suite
// runs as root: root drops to the user "nobody" first.
#pragma once

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace testsupport {

inline constexpr uid_t kNobody = 65534;

// The exit code of body in the child, or -1 when the child did not end
// normally. Only plain system calls belong in body: the child of a
// threaded process must not touch locks the parent's threads may hold.
inline int runUnprivileged(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(98);
        _exit(body());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Lets the unprivileged child reach a path of the test's (a temporary
// folder is private to its creator).
inline void openTo(const std::string& path, mode_t mode) {
    chmod(path.c_str(), mode);
}

}  // namespace testsupport
