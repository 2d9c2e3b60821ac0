// Port problems say what is wrong and how to fix it, and serial tools'
// lock files are honoured; an adapter pulled out and plugged in again is
// taken up by the next action.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "child_process.h"
#include "devlink/delay.h"
#include "devlink/login.h"
#include "devlink/port_lock.h"
#include "devlink/port_problem.h"
#include "file_bytes.h"
#include "sim_fixture.h"
#include "temp_folder.h"
#include "unprivileged.h"

using namespace devlink;
using testsupport::RecordingWindow;
using testsupport::SimulatedLine;
using testsupport::sleeper;
using testsupport::stop;
using testsupport::TempFolder;

namespace {

std::string ownName() {
    std::ifstream comm("/proc/self/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

std::string lockPath(const std::string& folder, const std::string& device) {
    return folder + "/" + lockFileName(device);
}

}  // namespace

class PortProblems : public SimulatedLine {
  protected:
    void SetUp() override {
        SimulatedLine::SetUp();
        port.closePort();
    }
    std::string device() const { return sim->devicePath(); }
    std::string shown() const { return ports.path() + "/COM5 -> " + device(); }
};

TEST_F(PortProblems, ALockOfALiveProgramKeepsThePortAndNamesIt) {
    const pid_t holder = sleeper();
    std::ofstream(lockPath(ports.path(), device())) << "     " << holder << "\n";
    EXPECT_FALSE(port.openPort());
    EXPECT_EQ(window.lastMessage(), "COM5: cannot open port !\n" + shown() +
                                        ": held by another program (process " +
                                        std::to_string(holder) + " " + ownName() +
                                        "). Close that program, then try again.")
        << window.lastMessage();
    stop(holder);

    // Its process is gone: the lock is stale and goes; the port is ours.
    EXPECT_TRUE(port.openPort()) << window.lastMessage();
    std::ifstream lock(lockPath(ports.path(), device()));
    int owner = 0;
    lock >> owner;
    EXPECT_EQ(owner, getpid());
    port.closePort();
    EXPECT_FALSE(std::ifstream(lockPath(ports.path(), device())).good());
}

TEST_F(PortProblems, LockFileNamesFollowTheDevice) {
    EXPECT_EQ(lockFileName("/dev/ttyUSB0"), "LCK..ttyUSB0");
    EXPECT_EQ(lockFileName("/dev/pts/3"), "LCK..pts_3");
}

// The remedy names the group that may use the device, whichever it is.
TEST_F(PortProblems, AnOrdinaryUserLearnsWhichGroupMayUseTheDevice) {
    if (geteuid() != 0) GTEST_SKIP() << "giving the device to a group needs root";
    testsupport::openTo(ports.path(), 0777);
    struct Row {
        const char* group;
        mode_t mode;
        std::string remedy;
    };
    const Row rows[] = {
        {"tty", 0660,
         "permission denied. Add yourself to the group tty: sudo usermod -aG tty $USER, then log "
         "in again."},
        {"uucp", 0660,
         "permission denied. Add yourself to the group uucp: sudo usermod -aG uucp $USER, then "
         "log in again."},
        {"tty", 0600, "permission denied. No group may use it; ask the administrator for access."},
    };
    for (const Row& row : rows) {
        const group* found = getgrnam(row.group);
        if (!found) continue;
        ASSERT_EQ(chown(device().c_str(), 0, found->gr_gid), 0);
        ASSERT_EQ(chmod(device().c_str(), row.mode), 0);
        const std::string expected = "COM5: cannot open port !\n" + shown() + ": " + row.remedy;
        EXPECT_EQ(testsupport::runUnprivileged([&] {
                      RecordingWindow quiet;
                      SerialPort other(quiet);
                      other.setPortName("COM5");
                      if (!other.openPort() && quiet.lastMessage() == expected) return 0;
                      std::fprintf(stderr, "%s\n", quiet.lastMessage().c_str());
                      return 1;
                  }),
                  0)
            << row.group;
    }
}

// Open for everyone, but held in exclusive mode by a program that takes no
// lock file and no flock (cat, a terminal program).
TEST_F(PortProblems, AnOrdinaryUserLearnsAboutExclusiveUse) {
    testsupport::openTo(ports.path(), 0777);
    chmod(device().c_str(), 0666);
    const int holder = ::open(device().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(holder, 0);
    // The simulator lifts the exclusive mode whenever a program closes the
    // port (so the program can reopen it); let it see the closes first.
    ASSERT_TRUE(sim->waitUntilIdle());
    ASSERT_EQ(ioctl(holder, TIOCEXCL), 0);
    const std::string busy = "COM5: cannot open port !\n" + shown() +
                             ": held by another program. Close the program that uses it, then "
                             "try again.";
    EXPECT_EQ(testsupport::runUnprivileged([&] {
                  RecordingWindow quiet;
                  SerialPort other(quiet);
                  other.setPortName("COM5");
                  if (!other.openPort() && quiet.lastMessage() == busy) return 0;
                  std::fprintf(stderr, "%s\n", quiet.lastMessage().c_str());
                  return 1;
              }),
              0);
    // A holder that takes a flock as well is named.
    ASSERT_EQ(flock(holder, LOCK_EX), 0);
    const std::string named = "COM5: cannot open port !\n" + shown() +
                              ": held by another program (process " + std::to_string(getpid()) +
                              " " + ownName() + "). Close that program, then try again.";
    EXPECT_EQ(testsupport::runUnprivileged([&] {
                  RecordingWindow quiet;
                  SerialPort other(quiet);
                  other.setPortName("COM5");
                  if (!other.openPort() && quiet.lastMessage() == named) return 0;
                  std::fprintf(stderr, "%s\n", quiet.lastMessage().c_str());
                  return 1;
              }),
              0);
    ioctl(holder, TIOCNXCL);
    ::close(holder);
}

TEST_F(SimulatedLine, APulledOutAdapterIsTakenUpAgainByTheNextAction) {
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 2);
    // Pulled out: the device vanishes under the open port.
    sim.reset();
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 0);
    window.messages.clear();
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 0);  // still out
    EXPECT_EQ(window.lastMessage().rfind(
                  "clear com-buffer failed:\nCOM5 nicht vorhanden oder bereits verwendet !\n", 0),
              0u)
        << window.lastMessage();

    // Plugged in again (a new device behind the same COM name): the next
    // action reopens the port by its name, nothing else is touched.
    sim = std::make_unique<unitsim::Simulator>(unitsim::Config{});
    ASSERT_TRUE(sim->open());
    ASSERT_TRUE(sim->bindComName(ports.path(), "COM5"));
    sim->start();
    window.messages.clear();
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 2) << window.lastMessage();
    EXPECT_TRUE(window.messages.empty());
}

// The built-in ports count when a UART is behind them; the stable names of
// USB adapters come first.
TEST(SerialDevices, PresentDevicesIncludeBuiltInPortsWithAUart) {
    TempFolder dev, tty;
    std::filesystem::create_directories(dev.path() + "/serial/by-id");
    for (const char* name : {"ttyS0", "ttyS1", "ttyS2", "ttyUSB0", "serial/by-id/usb-Cable"})
        testsupport::writeFileBytes(dev.path() + "/" + name, "");
    for (const auto& [name, type] : {std::pair{"ttyS0", "4\n"}, std::pair{"ttyS1", "0\n"}}) {
        std::filesystem::create_directories(tty.path() + "/" + name);
        testsupport::writeFileBytes(tty.path() + "/" + name + "/type", type);
    }
    // ttyS2 has no type to read: it counts.
    EXPECT_EQ(
        presentSerialDevices(dev.path(), tty.path()),
        (std::vector<std::string>{dev.path() + "/serial/by-id/usb-Cable", dev.path() + "/ttyUSB0",
                                  dev.path() + "/ttyS0", dev.path() + "/ttyS2"}));
}

// A COM name without an entry opens its default device; the message says
// so instead of pointing at a binding that does not exist.
TEST(SerialPortOpen, AMissingDefaultDeviceIsNotCalledABinding) {
    if (access("/dev/ttyS8", F_OK) == 0) GTEST_SKIP() << "/dev/ttyS8 exists on this machine";
    TempFolder ports;
    setenv("AQUENDOR_PORTS", ports.path().c_str(), 1);
    RecordingWindow window;
    SerialPort port(window);
    port.setPortName("COM9");
    EXPECT_FALSE(port.openPort());
    EXPECT_EQ(window.lastMessage().rfind("COM9: cannot open port !\n/dev/ttyS8: no such device. "
                                         "COM9 has no entry in the ports folder " +
                                             ports.path() +
                                             " and opens this default (aquendor-ports binds it "
                                             "to a device). Serial devices present: ",
                                         0),
              0u)
        << window.lastMessage();
}
