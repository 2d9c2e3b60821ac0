// Parts of a test that run in a child process and may hang or race: the
// test waits for them with a time limit, so it ends either way.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <string>

namespace testsupport {

// Reads fd until its end (every writer has closed it, as a process does
// when it ends) or until timeoutMs have passed; what was read goes to text.
// False when the time ran out.
inline bool readToEnd(int fd, int timeoutMs, std::string* text = nullptr) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    char buffer[256];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd ready{fd, POLLIN, 0};
        const int n = poll(&ready, 1, static_cast<int>(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0) return true;
        if (got < 0 && errno != EINTR && errno != EAGAIN) return true;
        if (got > 0 && text) text->append(buffer, static_cast<std::size_t>(got));
    }
}

// Reads from fd until what was read holds wanted, waiting at most
// timeoutMs in all; false when the time ran out or fd ended first.
inline bool readUntil(int fd, const std::string& wanted, int timeoutMs, std::string& text) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (text.find(wanted) == std::string::npos) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd ready{fd, POLLIN, 0};
        if (left <= 0 || (poll(&ready, 1, static_cast<int>(left)) < 0 && errno != EINTR))
            return false;
        if (!(ready.revents & (POLLIN | POLLHUP | POLLERR))) continue;
        char c = 0;
        if (read(fd, &c, 1) != 1) return false;
        text += c;
    }
    return true;
}

// The exit code of body run in a child process; -1 when the child did not
// end normally, -2 when it had not ended after timeoutMs (it is killed).
// Only plain system calls and the code under test belong in body: the
// child of a threaded process must not touch locks the parent's threads
// may hold.
inline int runInChild(const std::function<int()>& body, int timeoutMs) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        _exit(body());  // the write end closes as the child ends
    }
    close(ends[1]);
    const bool ended = child > 0 && readToEnd(ends[0], timeoutMs);
    close(ends[0]);
    if (child < 0) return -1;
    if (!ended) kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    if (!ended) return -2;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A process that lives until it is stopped, e.g. to hold a lock.
inline pid_t sleeper() {
    const pid_t child = fork();
    if (child == 0) {
        for (;;) pause();
    }
    return child;
}

inline void stop(pid_t child) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

}  // namespace testsupport
