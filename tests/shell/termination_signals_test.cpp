// SIGTERM, SIGINT and SIGHUP end a program of the suite cleanly: its window
// and its port are destroyed, so the port's lock file is gone, whether the
// program sat idle, showed a modal dialog or waited for the unit.
#include <gtest/gtest.h>

#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>

#include "child_process.h"
#include "devlink/port_lock.h"
#include "file_bytes.h"
#include "temp_folder.h"

namespace {

// Starts the cut-down program in the given state; its stdout goes to *out.
pid_t startProgram(const char* mode, int* out) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        // As a terminal or the desktop would start it, whatever this test
        // runner ignores.
        for (int number : {SIGTERM, SIGINT, SIGHUP}) ::signal(number, SIG_DFL);
        dup2(ends[1], STDOUT_FILENO);
        execl(TERMINATION_CHILD, TERMINATION_CHILD, mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ends[1]);
    *out = ends[0];
    return child;
}

}  // namespace

TEST(TerminationSignals, EndTheProgramAndFreeItsPort) {
    testsupport::TempFolder folder;
    int master = -1, slave = -1;
    ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    const std::string device = ttyname(slave);
    ASSERT_EQ(symlink(device.c_str(), (folder.path() + "/COM5").c_str()), 0);
    setenv("AQUENDOR_PORTS", folder.path().c_str(), 1);
    setenv("AQUENDOR_LOCK_DIR", folder.path().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string lock = folder.path() + "/" + devlink::lockFileName(device);

    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        for (const char* mode : {"window", "modal", "operation"}) {
            SCOPED_TRACE(std::string(strsignal(signal)) + " in state " + mode);
            int out = -1;
            const pid_t program = startProgram(mode, &out);
            ASSERT_GT(program, 0);
            std::string said;
            const bool ready = testsupport::readUntil(out, "ready\n", 30000, said);
            EXPECT_TRUE(ready) << said;
            EXPECT_EQ(devlink::lockHolderFromContent(testsupport::fileBytes(lock)), program);
            kill(program, signal);
            // The pipe ends when the program does; a silent unit would keep
            // the operation waiting for ten minutes.
            const bool ended = ready && testsupport::readToEnd(out, 20000);
            close(out);
            if (!ended) kill(program, SIGKILL);
            int status = 0;
            waitpid(program, &status, 0);
            EXPECT_TRUE(ended);
            EXPECT_TRUE(WIFEXITED(status)) << "status " << status;
            EXPECT_EQ(WEXITSTATUS(status), 128 + signal);
            EXPECT_FALSE(std::filesystem::exists(lock));
            std::filesystem::remove(lock);
        }
    }
    close(slave);
    close(master);
}
