// The program's port on a serial port of a network serial server, against
// ser2net on 127.0.0.1 in front of the unit simulator, raw and with RFC
// 2217: the exchange as on a cable, every byte unchanged, the speed the
// program asks for on the server's port, one program per port, and what the
// technician reads when the server cannot be reached or lets go.
#include <gtest/gtest.h>

#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <arpa/inet.h>
#include <netinet/in.h>

#include <fstream>
#include <future>
#include <thread>

#include "child_process.h"
#include "devlink/device_link.h"
#include "devlink/login.h"
#include "devlink/serial_port.h"
#include "recording_window.h"
#include "served_unit.h"
#include "telegrams.h"

using namespace devlink;
using testsupport::Mode;
using testsupport::RecordingWindow;
using testsupport::ServedUnit;
using testsupport::TempFolder;

namespace {

std::string ownProcess() {
    std::ifstream comm("/proc/self/comm");
    std::string name;
    std::getline(comm, name);
    return std::to_string(getpid()) + " " + name;
}

// A plain TCP client of the server, as another tool on another computer.
class OtherClient {
  public:
    explicit OtherClient(int port) {
        fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        connected_ = connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~OtherClient() { close(fd_); }
    bool connected() const { return connected_; }

  private:
    int fd_ = -1;
    bool connected_ = false;
};

}  // namespace

class NetworkPort : public ::testing::TestWithParam<Mode> {
  protected:
    void SetUp() override {
        if (const std::string why = ServedUnit::missingServer(); !why.empty()) GTEST_SKIP() << why;
        setenv("AQUENDOR_PORTS", ports.path().c_str(), 1);
        setenv("AQUENDOR_LOCK_DIR", ports.path().c_str(), 1);
        unit.plugIn(unitsim::Config{});
    }
    void serveAndBind(bool kickOldUser = false) {
        unit.serve(GetParam(), 0, kickOldUser);
        ServedUnit::bind("COM5", unit.server.url());
        port.setPortName("COM5");
    }
    void open() {
        serveAndBind();
        ASSERT_TRUE(port.openPort()) << window.lastMessage();
    }
    bool readAll() {
        AnswerBuffer answer{};
        return controllerLogin(link, LoginIntent::Read) == 2 &&
               link.exchange("DSI|", "DSI", true, answer) &&
               link.exchange("DPI|", "DPI1", true, answer);
    }
    std::string url() const { return unit.server.url(); }

    TempFolder ports;
    ServedUnit unit;
    RecordingWindow window;
    SerialPort port{window};
    DeviceLink link{port, window};
};

// By the name "localhost", as through an SSH tunnel: the name is looked up
// and each of its addresses tried (ser2net listens on 127.0.0.1 only).
TEST_P(NetworkPort, ReadsTheUnitAsOverACableWithEveryRequestByteUnchanged) {
    unit.serve(GetParam());
    const std::string scheme = GetParam() == Mode::Raw ? "tcp" : "rfc2217";
    ServedUnit::bind("COM5", scheme + "://localhost:" + std::to_string(unit.server.port()));
    port.setPortName("COM5");
    ASSERT_TRUE(port.openPort()) << window.lastMessage();
    ASSERT_TRUE(readAll()) << window.lastMessage();
    EXPECT_TRUE(window.messages.empty());
    EXPECT_TRUE(port.onNetwork());
    EXPECT_EQ(testsupport::telegramsOf(*unit.sim), testsupport::kReadAll);
}

// 255 is Telnet's command byte: with RFC 2217 it travels doubled, and
// either way the other end sees it once.
TEST_P(NetworkPort, AByteOf255CrossesUnchangedBothWays) {
    open();
    const std::string answer = std::string("DSI|\xFF\xFF|") + "\xFF" + "A\x04";
    unit.sim->queueRawAnswer(answer);
    const std::string request = frameRequest("DSI|\xFF|");
    ASSERT_TRUE(port.purgeReceive());
    ASSERT_TRUE(link.writeRequest(request, true));
    AnswerBuffer received{};
    ASSERT_EQ(link.readAnswer(received, false), ReadResult::Complete) << window.lastMessage();
    EXPECT_EQ(std::string(received.data(), answerLength(received)), answer);
    ASSERT_TRUE(unit.sim->waitForReceived(1));
    EXPECT_EQ(unit.sim->received().back().bytes, request);
}

// With RFC 2217 the program sets the server's port; a raw port keeps the
// speed the server was set up with (19200 bit/s here).
TEST_P(NetworkPort, TheServersPortRunsAtTheSpeedTheProgramAsksForWithComPortControl) {
    open();
    // A raw server sets its port up when a client first sends: after an
    // exchange it surely has.
    ASSERT_TRUE(readAll()) << window.lastMessage();
    EXPECT_EQ(unit.sim->lineBaud(), 19200);
    port.setBaudRate(9600);
    ASSERT_TRUE(port.reopenPort()) << window.lastMessage();
    EXPECT_EQ(port.modeText(), "baud=9600 parity=N data=8 stop=1");
    ASSERT_TRUE(readAll()) << window.lastMessage();
    EXPECT_EQ(unit.sim->lineBaud(), GetParam() == Mode::Rfc2217 ? 9600 : 19200);
    port.setBaudRate(19200);
    ASSERT_TRUE(port.reopenPort()) << window.lastMessage();
    ASSERT_TRUE(readAll()) << window.lastMessage();
    EXPECT_EQ(unit.sim->lineBaud(), 19200);
}

// Even a server that lets a new client push the old one off leaves the
// port to the first program: the second is refused before it connects.
TEST_P(NetworkPort, ASecondProgramOnTheSameServerIsRefusedAndTheFirstKeepsThePort) {
    serveAndBind(true);
    ASSERT_TRUE(port.openPort()) << window.lastMessage();
    const std::string expected = "COM5: cannot open port !\n" + url() +
                                 ": held by another program (process " + ownProcess() +
                                 "). Close that program, then try again.";
    // The second program: a process of its own, as programs are.
    const int second = testsupport::runInChild(
        [&expected] {
            RecordingWindow other;
            SerialPort port(other);
            port.setPortName("COM5");
            if (port.openPort()) return 1;
            return other.lastMessage() == expected ? 0 : 2;
        },
        20000);
    EXPECT_EQ(second, 0);
    EXPECT_TRUE(readAll()) << window.lastMessage();
    port.closePort();
    RecordingWindow other;
    SerialPort next(other);
    next.setPortName("COM5");
    EXPECT_TRUE(next.openPort()) << other.lastMessage();
}

TEST_P(NetworkPort, AServerNotRunningIsSaidAndTheNextActionConnectsOnceItRuns) {
    const int free = unitsim::SerialServer::freePort();
    const std::string scheme = GetParam() == Mode::Raw ? "tcp" : "rfc2217";
    const std::string address = scheme + "://127.0.0.1:" + std::to_string(free);
    ServedUnit::bind("COM6", address);
    port.setPortName("COM6");
    window.englishUi = false;
    EXPECT_FALSE(port.openPort());
    EXPECT_EQ(window.lastMessage(), "COM6 konnte nicht ge\u00F6ffnet werden !\n" + address +
                                        ": Verbindung abgelehnt. Dort l\u00E4uft kein serieller "
                                        "Server, oder die Portnummer ist falsch.");
    window.englishUi = true;
    EXPECT_FALSE(port.purgeReceive());
    EXPECT_EQ(purgeFailedText(port, true),
              "clear com-buffer failed:\nCOM6 nicht vorhanden oder bereits verwendet !\n" +
                  address +
                  ": connection refused. No serial server is running there, or the port number "
                  "is wrong.");

    unit.serve(GetParam(), free);
    window.messages.clear();
    EXPECT_TRUE(readAll()) << window.lastMessage();
    EXPECT_TRUE(window.messages.empty());
}

TEST_P(NetworkPort, AnUnknownHostIsSaidWithWhatToCheck) {
    const std::string host = "no-such-plant.invalid";
    addrinfo* found = nullptr;
    const int lookup = getaddrinfo(host.c_str(), "4001", nullptr, &found);
    if (found) freeaddrinfo(found);
    if (lookup == 0) GTEST_SKIP() << host << " resolves here";
    // Without a name server the lookup may outlast the connect timeout.
    if (lookup != EAI_NONAME) GTEST_SKIP() << "no name server answers here";
    const std::string address =
        (GetParam() == Mode::Raw ? "tcp://" : "rfc2217://") + host + ":4001";
    ServedUnit::bind("COM7", address);
    port.setPortName("COM7");
    EXPECT_FALSE(port.openPort());
    const std::string cause = ": host " + host +
                              " not found. Check the name in the binding (aquendor-ports lists "
                              "it) and that the network or VPN is up.";
    EXPECT_EQ(window.lastMessage(), "COM7: cannot open port !\n" + address + cause);
}

// ser2net pushes the old client off for a new one (kickolduser): the
// exchange under way ends with its transmission error and the reason, and
// the next one connects again by itself.
TEST_P(NetworkPort, AConnectionDroppedByTheServerEndsTheExchangeAndTheNextConnectsAgain) {
    serveAndBind(true);
    ASSERT_TRUE(port.openPort()) << window.lastMessage();
    unit.sim->setFault(unitsim::Fault::Silence);
    std::promise<void> loginOver;
    std::thread otherClient([this, over = loginOver.get_future()] {
        ASSERT_TRUE(unit.sim->waitForReceived(1));
        OtherClient client(unit.server.port());
        EXPECT_TRUE(client.connected());
        over.wait();
    });
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 0);
    loginOver.set_value();
    otherClient.join();
    EXPECT_EQ(window.lastMessage(),
              "COM5: transmission error\n" + url() +
                  ": the server closed the connection. Another client is using the port or has "
                  "taken it over (ser2net's kickolduser), or the device behind the server went "
                  "away. Close the other client; the next action connects again.");
    unit.sim->clearFault();
    window.messages.clear();
    EXPECT_TRUE(readAll()) << window.lastMessage();
    EXPECT_TRUE(window.messages.empty());
}

// Another client that holds the server's port: ser2net says so and closes
// the connection. With RFC 2217 the program hears it while it negotiates;
// on a raw port the text arrives as the answer to the first request.
TEST_P(NetworkPort, AServerPortInUseByAnotherClientIsSaid) {
    serveAndBind();
    OtherClient client(unit.server.port());
    ASSERT_TRUE(client.connected());
    if (GetParam() == Mode::Raw) {
        ASSERT_TRUE(port.openPort()) << window.lastMessage();
        // The first action meets the closed connection at its purge or
        // while it awaits the answer, as the server's timing has it.
        EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 0);
        EXPECT_NE(window.lastMessage().find("\n" + url() + ": the server closed the connection."),
                  std::string::npos)
            << window.lastMessage();
        return;
    }
    // The server's words come along when it closes in order; a reset may
    // swallow them.
    EXPECT_FALSE(port.openPort());
    const std::string message = window.lastMessage();
    EXPECT_EQ(message.rfind(
                  "COM5: cannot open port !\n" + url() + ": the server closed the connection", 0),
              0u)
        << message;
    EXPECT_NE(message.find(". Another client is using the port or has taken it over (ser2net's "
                           "kickolduser), or the device behind the server went away. Close the "
                           "other client; the next action connects again."),
              std::string::npos)
        << message;
}

// The rest of an answer cut off at 700 characters is gone before the next
// exchange: the login purges the line, and with RFC 2217 the server's
// buffer too.
TEST_P(NetworkPort, TheRestOfAnOverlongAnswerIsPurgedBeforeTheNextExchange) {
    open();
    unit.sim->setFaultOn("DSI", unitsim::Fault::Overlong);
    AnswerBuffer answer{};
    ASSERT_EQ(controllerLogin(link, LoginIntent::Read), 2);
    EXPECT_FALSE(link.exchange("DSI|", "DSI", true, answer));
    EXPECT_EQ(window.lastMessage(), "buffer overflow");
    ASSERT_TRUE(unit.sim->waitUntilIdle());
    window.messages.clear();
    EXPECT_TRUE(readAll()) << window.lastMessage();
}

INSTANTIATE_TEST_SUITE_P(BothProtocols, NetworkPort, ::testing::Values(Mode::Raw, Mode::Rfc2217),
                         [](const auto& info) { return testsupport::modeName(info.param); });
