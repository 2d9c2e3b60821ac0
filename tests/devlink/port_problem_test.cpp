// Port problems say what is wrong and how to fix it, and serial tools'
// lock files are honoured; an adapter pulled out and plugged in again is
// taken up by the next action.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "devlink/delay.h"
#include "devlink/login.h"
#include "devlink/port_lock.h"
#include "sim_fixture.h"
#include "unprivileged.h"

using namespace devlink;
using testsupport::RecordingWindow;
using testsupport::SimulatedLine;

namespace {

// A process that lives until it is killed, to hold a lock.
pid_t sleeper() {
    const pid_t child = fork();
    if (child == 0) {
        for (;;) pause();
    }
    return child;
}

void stop(pid_t child) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

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
                                        std::to_string(holder) + " " + ownName() + ").")
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

TEST_F(PortProblems, AnOrdinaryUserLearnsAboutPermissionsAndExclusiveUse) {
    testsupport::openTo(ports.path(), 0777);
    // The device belongs to someone else and is closed to others.
    chmod(device().c_str(), 0600);
    const std::string expected = "COM5: cannot open port !\n" + shown() +
                                 ": permission denied. Add yourself to the group dialout: sudo "
                                 "usermod -aG dialout $USER, then log in again.";
    const bool privileged = geteuid() == 0;
    if (privileged) {
        EXPECT_EQ(testsupport::runUnprivileged([&] {
                      RecordingWindow quiet;
                      SerialPort other(quiet);
                      other.setPortName("COM5");
                      return !other.openPort() && quiet.lastMessage() == expected ? 0 : 1;
                  }),
                  0);
    }
    // Open for everyone, but held in exclusive mode by a program that takes
    // no lock file (cat, a terminal program).
    chmod(device().c_str(), 0666);
    const int holder = ::open(device().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(holder, 0);
    // The simulator lifts the exclusive mode whenever a program closes the
    // port (so the program can reopen it); let it see the closes first.
    devlink::Delay(300);
    ASSERT_EQ(ioctl(holder, TIOCEXCL), 0);
    const std::string busy = "COM5: cannot open port !\n" + shown() + ": held by another program.";
    EXPECT_EQ(testsupport::runUnprivileged([&] {
                  RecordingWindow quiet;
                  SerialPort other(quiet);
                  other.setPortName("COM5");
                  if (!other.openPort() && quiet.lastMessage() == busy) return 0;
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
