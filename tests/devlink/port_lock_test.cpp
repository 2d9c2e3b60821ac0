// The UUCP lock file of a port: made whole in one step, so two programs
// started at once never both get the port nor leave it without its lock;
// nothing in the shared lock folder hangs the program or is misread.
#include <gtest/gtest.h>

#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "child_process.h"
#include "devlink/port_lock.h"
#include "devlink/serial_port.h"
#include "devlink/traffic_trace.h"
#include "file_bytes.h"
#include "recording_window.h"
#include "temp_folder.h"
#include "unprivileged.h"

using namespace devlink;
using testsupport::RecordingWindow;
using testsupport::sleeper;
using testsupport::stop;
using testsupport::TempFolder;

namespace {

// The number of a process that has ended and been reaped.
pid_t goneProcess() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

std::string asciiLock(pid_t pid) {
    char text[16];
    std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(pid));
    return text;
}

std::string binaryLock(int pid) {
    return std::string(reinterpret_cast<const char*>(&pid), sizeof pid);
}

pid_t lockOwner(const std::string& path) {
    return lockHolderFromContent(testsupport::fileBytes(path));
}

}  // namespace

// A pseudo-terminal bound as COM5, with a lock folder of the test's own. No
// threads run in the test process, so its children may do anything.
class PortLocks : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
        device = ttyname(slave);
        setenv("AQUENDOR_PORTS", ports.path().c_str(), 1);
        setenv("AQUENDOR_LOCK_DIR", locks.path().c_str(), 1);
        ASSERT_EQ(symlink(device.c_str(), (ports.path() + "/COM5").c_str()), 0);
        port.setPortName("COM5");
    }
    void TearDown() override {
        port.closePort();
        close(slave);
        close(master);
    }
    std::string lock() const { return locks.path() + "/" + lockFileName(device); }
    std::string shown() const { return ports.path() + "/COM5 -> " + device; }

    TempFolder ports, locks;
    int master = -1, slave = -1;
    std::string device;
    RecordingWindow window;
    SerialPort port{window};
};

TEST(LockContent, AsciiAndBinaryProcessNumbers) {
    struct Row {
        std::string bytes;
        pid_t pid;
    };
    const Row rows[] = {
        {"      4711\n", 4711},
        {"4711\n", 4711},
        {"4711", 4711},
        {"  4711 minicom root\n", 4711},
        // Binary numbers whose first byte reads as a digit or a blank.
        {binaryLock(0x0931), 0x0931},
        {binaryLock(0x3132), 0x3132},
        {binaryLock(0x2020), 0x2020},
        {binaryLock(0x313233), 0x313233},
        {binaryLock(4711), 4711},
        {"", 0},
        {"\n", 0},
        {"     0\n", 0},
        {"47x1\n", 0},
        {"99999999999\n", 0},
        {binaryLock(-5), 0},
    };
    for (const Row& row : rows) EXPECT_EQ(lockHolderFromContent(row.bytes), row.pid) << row.bytes;
}

// Two programs started at the same instant: exactly one gets the port and
// its lock names that one, with or without a stale lock in the way.
TEST_F(PortLocks, TwoProgramsStartedAtOnceNeverShareThePort) {
    for (int round = 0; round < 200; ++round) {
        if (round % 2) testsupport::writeFileBytes(lock(), asciiLock(goneProcess()));
        int start[2], done[2], report[2][2];
        ASSERT_EQ(pipe(start), 0);
        ASSERT_EQ(pipe(done), 0);
        pid_t racers[2];
        for (int i = 0; i < 2; ++i) {
            ASSERT_EQ(pipe(report[i]), 0);
            racers[i] = fork();
            if (racers[i] == 0) {
                char c;
                close(start[1]);
                close(done[1]);
                (void)!read(start[0], &c, 1);  // the end of the pipe starts both
                RecordingWindow quiet;
                SerialPort racer(quiet);
                racer.setPortName("COM5");
                (void)!write(report[i][1], racer.openPort() ? "1\n" : "0\n", 2);
                (void)!read(done[0], &c, 1);  // hold the port while the test looks
                racer.closePort();
                _exit(0);
            }
            close(report[i][1]);
        }
        close(start[0]);
        close(done[0]);
        close(start[1]);
        int opened = 0;
        pid_t winner = 0;
        for (int i = 0; i < 2; ++i) {
            std::string said;
            ASSERT_TRUE(testsupport::readUntil(report[i][0], "\n", 10000, said))
                << "round " << round;
            close(report[i][0]);
            if (said == "1\n") ++opened, winner = racers[i];
        }
        EXPECT_EQ(opened, 1) << "round " << round;
        if (opened == 1) {
            EXPECT_EQ(lockOwner(lock()), winner) << "round " << round;
        }
        close(done[1]);
        for (pid_t racer : racers) waitpid(racer, nullptr, 0);
        if (HasFailure()) break;
    }
}

TEST_F(PortLocks, ABinaryLockOfARunningProgramKeepsThePort) {
    const pid_t holder = sleeper();
    testsupport::writeFileBytes(lock(), binaryLock(holder));
    EXPECT_FALSE(port.openPort());
    EXPECT_NE(window.lastMessage().find("(process " + std::to_string(holder)), std::string::npos)
        << window.lastMessage();
    EXPECT_EQ(lockOwner(lock()), holder);
    stop(holder);
}

// A lock that names no process yet is being written by a tool that writes
// after creating it; only when it is old is it a leftover.
TEST_F(PortLocks, AnEmptyLockKeepsThePortUntilItIsOld) {
    testsupport::writeFileBytes(lock(), "");
    EXPECT_FALSE(port.openPort());
    EXPECT_EQ(window.lastMessage(), "COM5: cannot open port !\n" + shown() +
                                        ": held by another program (lock file " + lock() +
                                        "). Close that program, then try again; if none is "
                                        "running, remove the lock file.");
    const timespec minuteAgo[2] = {{time(nullptr) - 60, 0}, {time(nullptr) - 60, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, lock().c_str(), minuteAgo, 0), 0);
    EXPECT_TRUE(port.openPort()) << window.lastMessage();
    EXPECT_EQ(lockOwner(lock()), getpid());
}

// A killed program whose parent has not reaped it yet holds nothing.
TEST_F(PortLocks, ALockOfAZombieIsStale) {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    siginfo_t info{};
    ASSERT_EQ(waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOWAIT), 0);
    testsupport::writeFileBytes(lock(), asciiLock(child));
    EXPECT_FALSE(isRunning(child));
    EXPECT_TRUE(port.openPort()) << window.lastMessage();
    EXPECT_EQ(lockOwner(lock()), getpid());
    waitpid(child, nullptr, 0);
}

// The lock folder is writable by every user: what lies there under a lock's
// name must not hang the program, and is not removed unless it is a lock.
TEST_F(PortLocks, AnythingButAPlainFileUnderTheLockNameKeepsThePortWithoutHanging) {
    const std::string fifo = locks.path() + "/fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0666), 0);
    const std::string regular = locks.path() + "/regular";
    testsupport::writeFileBytes(regular, asciiLock(goneProcess()));
    const std::vector<std::function<void()>> plants = {
        [&] { ASSERT_EQ(mkfifo(lock().c_str(), 0666), 0); },
        [&] { ASSERT_EQ(symlink(fifo.c_str(), lock().c_str()), 0); },
        [&] { ASSERT_EQ(symlink(regular.c_str(), lock().c_str()), 0); },
        [&] { ASSERT_EQ(mkdir(lock().c_str(), 0755), 0); },
    };
    for (std::size_t i = 0; i < plants.size(); ++i) {
        plants[i]();
        const int result = testsupport::runInChild(
            [&] {
                RecordingWindow quiet;
                SerialPort other(quiet);
                other.setPortName("COM5");
                if (other.openPort()) return 1;
                return quiet.lastMessage().find("(lock file " + lock() + ")") == std::string::npos
                           ? 2
                           : 0;
            },
            5000);
        EXPECT_EQ(result, 0) << "case " << i;
        struct stat left {};
        EXPECT_EQ(lstat(lock().c_str(), &left), 0) << "case " << i;
        std::filesystem::remove(lock());
    }
}

// A terminal program started on a link to the device locks the link's name.
TEST_F(PortLocks, ALockUnderTheNameOfALinkToTheDeviceKeepsThePort) {
    const std::string byId = locks.path() + "/by-id";
    ASSERT_EQ(mkdir(byId.c_str(), 0755), 0);
    ASSERT_EQ(symlink(device.c_str(), (byId + "/usb-Maker_Cable-if00-port0").c_str()), 0);
    ASSERT_EQ(unlink((ports.path() + "/COM5").c_str()), 0);
    ASSERT_EQ(
        symlink((byId + "/usb-Maker_Cable-if00-port0").c_str(), (ports.path() + "/COM5").c_str()),
        0);
    const pid_t holder = sleeper();
    testsupport::writeFileBytes(locks.path() + "/LCK..usb-Maker_Cable-if00-port0",
                                asciiLock(holder));
    EXPECT_FALSE(port.openPort());
    EXPECT_NE(window.lastMessage().find("(process " + std::to_string(holder)), std::string::npos)
        << window.lastMessage();
    stop(holder);
    EXPECT_TRUE(port.openPort()) << window.lastMessage();
}

// Terminal programs such as picocom take a flock on the device and make no
// lock file: /proc/locks names them.
TEST_F(PortLocks, PicocomOnThePortIsNamed) {
    if (access("/usr/bin/picocom", X_OK) != 0) GTEST_SKIP() << "picocom is not installed";
    int terminal = -1, terminalSlave = -1;
    ASSERT_EQ(openpty(&terminal, &terminalSlave, nullptr, nullptr, nullptr), 0);
    const pid_t picocom = fork();
    if (picocom == 0) {
        setsid();
        for (int fd = 0; fd < 3; ++fd) dup2(terminalSlave, fd);
        execl("/usr/bin/picocom", "picocom", device.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(terminalSlave);
    // It says so on its terminal once it holds the port.
    std::string said;
    ASSERT_TRUE(testsupport::readUntil(terminal, "Terminal ready", 10000, said)) << said;
    EXPECT_FALSE(port.openPort());
    EXPECT_NE(window.lastMessage().find("(process " + std::to_string(picocom) +
                                        " picocom). Close that program, then try again."),
              std::string::npos)
        << window.lastMessage();
    stop(picocom);
    close(terminal);
}

// Where only some tools may write the lock folder, the others still see
// their locks.
TEST_F(PortLocks, ALockFolderThatCannotBeWrittenStillKeepsALockedPort) {
    if (geteuid() != 0) GTEST_SKIP() << "needs a lock folder that its user cannot write";
    testsupport::openTo(ports.path(), 0755);
    testsupport::openTo(locks.path(), 0755);
    chmod(device.c_str(), 0666);
    const pid_t holder = sleeper();
    testsupport::writeFileBytes(lock(), asciiLock(holder));
    chmod(lock().c_str(), 0644);
    EXPECT_EQ(testsupport::runUnprivileged([&] {
                  RecordingWindow quiet;
                  SerialPort other(quiet);
                  other.setPortName("COM5");
                  if (other.openPort()) return 1;
                  return quiet.lastMessage().find("(process " + std::to_string(holder)) ==
                                 std::string::npos
                             ? 2
                             : 0;
              }),
              0);
    stop(holder);
}

TEST_F(PortLocks, APortWithoutALockIsSaidOnceInTheTrace) {
    setenv("AQUENDOR_LOCK_DIR", (locks.path() + "/missing").c_str(), 1);
    const std::string trace = ports.path() + "/trace.log";
    ASSERT_TRUE(TrafficTrace::open(trace));
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(port.openPort()) << window.lastMessage();
        port.closePort();
    }
    TrafficTrace::close();
    const std::string log = testsupport::fileBytes(trace);
    const std::string said = "COM5  -- no lock file: cannot write in " + locks.path() +
                             "/missing (No such file or directory); the port is used without one";
    const std::size_t first = log.find(said);
    EXPECT_NE(first, std::string::npos) << log;
    EXPECT_EQ(log.find(said, first + 1), std::string::npos) << log;
}
