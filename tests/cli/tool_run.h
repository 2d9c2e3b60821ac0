// aquendorctl run as a child process, as a script runs it: its standard
// output and error caught, its standard input /dev/null (no terminal)
// unless told, its exit code. The unit simulator of the test runs in the
// test's own process, on the other side of a pseudo-terminal.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

extern char** environ;

namespace testsupport {

struct ToolResult {
    int exitCode = -1;  // -2: did not end in time (killed); 128 + N: ended by signal N
    std::string out;
    std::string err;
};

class ToolProcess {
  public:
    // stdinFd: the child's standard input (-1: /dev/null).
    explicit ToolProcess(std::vector<std::string> args, int stdinFd = -1) {
        int outPipe[2], errPipe[2];
        if (pipe2(outPipe, O_CLOEXEC) != 0 || pipe2(errPipe, O_CLOEXEC) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (stdinFd >= 0)
            posix_spawn_file_actions_adddup2(&actions, stdinFd, 0);
        else
            posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
        posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
        args.insert(args.begin(), AQUENDORCTL);
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, AQUENDORCTL, &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(outPipe[1]);
        close(errPipe[1]);
        out_ = outPipe[0];
        err_ = errPipe[0];
    }
    ~ToolProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0) close(out_);
        if (err_ >= 0) close(err_);
    }
    pid_t pid() const { return pid_; }
    void signal(int number) { kill(pid_, number); }

    // Collects the output until the process ends, at most timeoutMs.
    ToolResult wait(int timeoutMs = 60000) {
        ToolResult result;
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        bool outOpen = true, errOpen = true;
        while (outOpen || errOpen) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                                  deadline - std::chrono::steady_clock::now())
                                  .count();
            if (left <= 0) break;
            pollfd fds[2] = {{outOpen ? out_ : -1, POLLIN, 0}, {errOpen ? err_ : -1, POLLIN, 0}};
            if (poll(fds, 2, static_cast<int>(left)) < 0) continue;
            outOpen = outOpen && drain(fds[0], out_, result.out);
            errOpen = errOpen && drain(fds[1], err_, result.err);
        }
        if (outOpen || errOpen) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
            result.exitCode = -2;
            return result;
        }
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        result.exitCode = WIFEXITED(status)     ? WEXITSTATUS(status)
                          : WIFSIGNALED(status) ? 128 + WTERMSIG(status)
                                                : -1;
        return result;
    }

  private:
    static bool drain(const pollfd& ready, int fd, std::string& into) {
        if (!(ready.revents & (POLLIN | POLLHUP | POLLERR))) return true;
        char buffer[4096];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0) into.append(buffer, static_cast<std::size_t>(n));
        return n > 0 || (n < 0 && errno == EINTR);
    }

    pid_t pid_ = -1;
    int out_ = -1;
    int err_ = -1;
};

inline ToolResult runTool(std::vector<std::string> args, int timeoutMs = 60000) {
    return ToolProcess(std::move(args)).wait(timeoutMs);
}

}  // namespace testsupport
