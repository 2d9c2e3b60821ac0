// The serial port on Linux: COM-name resolution, exclusive open, line
// settings, reopening with another speed and the open failures.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <fstream>

#include "devlink/com_names.h"
#include "sim_fixture.h"
#include "unprivileged.h"

using namespace devlink;
using testsupport::RecordingWindow;
using testsupport::SimulatedLine;
using testsupport::TempFolder;

namespace {}  // namespace

TEST(ComNames, PortsFolderEntryWinsOverTheSerialDevice) {
    TempFolder ports;
    setenv("AQUENDOR_PORTS", ports.path().c_str(), 1);
    EXPECT_EQ(portsFolder(), ports.path());
    EXPECT_EQ(resolveComName("COM3"), "/dev/ttyS2");
    ASSERT_EQ(symlink("/dev/ttyUSB0", (ports.path() + "/COM3").c_str()), 0);
    EXPECT_EQ(resolveComName("COM3"), ports.path() + "/COM3");  // even a dangling link
    EXPECT_EQ(resolveComName("COM0"), "");
    EXPECT_EQ(resolveComName("COM10"), "");
    EXPECT_EQ(resolveComName("com3"), "");

    unsetenv("AQUENDOR_PORTS");
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(portsFolder(), "/cfg/aquendor/ports");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/tech", 1);
    EXPECT_EQ(portsFolder(), "/home/tech/.config/aquendor/ports");
}

// A port named by its device path or a network address needs no entry in
// the ports folder; a COM name's entry still decides for the COM name.
TEST(ComNames, ADevicePathOrANetworkAddressNamesItself) {
    TempFolder ports;
    setenv("AQUENDOR_PORTS", ports.path().c_str(), 1);
    ASSERT_EQ(symlink("tcp://10.0.0.7:4001", (ports.path() + "/COM4").c_str()), 0);
    EXPECT_EQ(resolveComName("/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_TRUE(isDevicePathName("/dev/serial/by-id/usb-x"));
    EXPECT_FALSE(isDevicePathName("COM4"));
    EXPECT_EQ(networkBindingText("rfc2217://plant-7.example:4001"),
              "rfc2217://plant-7.example:4001");
    EXPECT_EQ(networkBindingText("COM4"), "tcp://10.0.0.7:4001");
    EXPECT_EQ(networkBindingText("/dev/ttyUSB0"), "");
    EXPECT_EQ(resolveComName("ttyUSB0"), "");  // a relative name is none

    // Its message names the device, not a COM name's ports folder entry.
    RecordingWindow window;
    SerialPort port(window);
    port.setPortName(ports.path() + "/ttyUSB9");
    EXPECT_FALSE(port.openPort());
    EXPECT_EQ(port.problem().kind, PortProblem::Kind::Missing);
    EXPECT_EQ(window.lastMessage().find("ports folder"), std::string::npos) << window.lastMessage();
    EXPECT_NE(window.lastMessage().find(ports.path() + "/ttyUSB9: no such device"),
              std::string::npos)
        << window.lastMessage();
    unsetenv("AQUENDOR_PORTS");
}

TEST(ModeText, BothSpeedsAndMalformedTexts) {
    EXPECT_EQ(modeTextFor(19200), "baud=19200 parity=N data=8 stop=1");
    EXPECT_EQ(modeTextFor(9600), "baud=9600 parity=N data=8 stop=1");
    LineSettings settings;
    ASSERT_TRUE(parseModeText("baud=9600 parity=N data=8 stop=1", settings));
    EXPECT_EQ(settings.baud, 9600);
    for (const char* bad : {"", "baud=", "baud=12345 parity=N data=8 stop=1",
                            "baud=9600 parity=E data=8 stop=1", "speed=9600", "baud=96x0"})
        EXPECT_FALSE(parseModeText(bad, settings)) << bad;
}

TEST_F(SimulatedLine, SecondOpenOfAnOpenPortFails) {
    // The same program: no message, the open port stays.
    EXPECT_FALSE(port.openPort());
    EXPECT_TRUE(window.messages.empty());
    EXPECT_TRUE(port.isOpen());

    // Another program on the same port.
    RecordingWindow other;
    SerialPort second(other);
    second.setPortName("COM5");
    EXPECT_FALSE(second.openPort());
    EXPECT_FALSE(second.isOpen());
    // Here the other program is this test, holding the port's flock.
    const std::string device = ports.path() + "/COM5 -> " + sim->devicePath();
    std::string name;
    std::getline(std::ifstream("/proc/self/comm"), name);
    const std::string process = std::to_string(getpid()) + " " + name;
    EXPECT_EQ(other.lastMessage(), "COM5: cannot open port !\n" + device +
                                       ": held by another program (process " + process +
                                       "). Close that program, then try again.");
    EXPECT_EQ(other.messages.back().caption, MessageCaption::ProgramCaption);
    other.englishUi = false;
    EXPECT_FALSE(second.openPort());
    EXPECT_EQ(other.lastMessage(), "COM5 konnte nicht ge\u00F6ffnet werden !\n" + device +
                                       ": von einem anderen Programm belegt (Prozess " + process +
                                       "). Bitte dieses Programm beenden und es dann erneut "
                                       "versuchen.");

    // Once the first lets go, the second gets it.
    port.closePort();
    EXPECT_TRUE(second.openPort());
}

// The measuring program opens an open port again: the old handle goes, its
// exclusive mode lifted first, or the device refuses an ordinary user.
TEST_F(SimulatedLine, MeasuringProgramReopensItsOwnOpenPort) {
    port.closePort();
    testsupport::openTo(ports.path(), 0755);
    testsupport::openTo(sim->devicePath(), 0666);
    const int result = testsupport::runUnprivileged([] {
        RecordingWindow quiet;
        SerialPort measuring(quiet, false);
        measuring.setPortName("COM5");
        if (!measuring.openPort()) return 1;
        if (!measuring.openPort()) return 2;
        return measuring.isOpen() ? 0 : 3;
    });
    EXPECT_EQ(result, 0);
}

TEST_F(SimulatedLine, SpeedChangeReopensWithTheNewMode) {
    EXPECT_EQ(port.modeText(), "baud=19200 parity=N data=8 stop=1");
    EXPECT_EQ(sim->lineBaud(), 19200);
    port.setBaudRate(9600);
    ASSERT_TRUE(port.reopenPort());
    EXPECT_EQ(port.modeText(), "baud=9600 parity=N data=8 stop=1");
    EXPECT_EQ(sim->lineBaud(), 9600);
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(SimulatedLine, TimeoutsSwitchForTheModemWait) {
    EXPECT_EQ(port.timeouts(), kNormalTimeouts);
    EXPECT_EQ(port.timeouts().singleByteRead(), 6000);
    EXPECT_EQ(port.timeouts().singleByteWrite(), 2000);
    ASSERT_TRUE(port.setModemWaitTimeouts());
    EXPECT_EQ(port.timeouts().singleByteRead(), 81000);
    ASSERT_TRUE(port.setNormalTimeouts());
    EXPECT_EQ(port.timeouts(), kNormalTimeouts);
}

TEST(SerialPortOpen, MissingDeviceAndNonTerminalLeaveThePortClosed) {
    TempFolder ports;
    setenv("AQUENDOR_PORTS", ports.path().c_str(), 1);
    RecordingWindow window;
    SerialPort port(window);

    ASSERT_EQ(symlink("/dev/does-not-exist", (ports.path() + "/COM9").c_str()), 0);
    port.setPortName("COM9");
    EXPECT_FALSE(port.openPort());
    EXPECT_EQ(window.lastMessage().rfind(
                  "COM9: cannot open port !\n" + ports.path() +
                      "/COM9 -> /dev/does-not-exist: no such device. COM9 is set in the ports "
                      "folder " +
                      ports.path(),
                  0),
              0u)
        << window.lastMessage();
    EXPECT_NE(window.lastMessage().find("Serial devices present: "), std::string::npos);
    EXPECT_FALSE(port.isOpen());

    // A file that is no terminal has no line state to read.
    std::ofstream(ports.path() + "/COM8") << "not a port";
    port.setPortName("COM8");
    EXPECT_FALSE(port.openPort());
    EXPECT_EQ(window.lastMessage(),
              "error in GetCommState!\n" + ports.path() + "/COM8: not a serial device.");
    EXPECT_EQ(window.messages.back().caption, MessageCaption::ProgramName);
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.purgeReceive());
    EXPECT_FALSE(port.readByte().has_value());

    // A folder cannot even be opened for writing.
    ASSERT_EQ(mkdir((ports.path() + "/COM7").c_str(), 0755), 0);
    port.setPortName("COM7");
    EXPECT_FALSE(port.openPort());
    EXPECT_EQ(window.lastMessage(),
              "COM7: cannot open port !\n" + ports.path() + "/COM7: not a serial device.");
    EXPECT_FALSE(port.isOpen());
}
