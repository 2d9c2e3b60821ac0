// Servers that do not do what an RFC 2217 port needs, played by a few
// lines of a scripted server in a thread: one without Com Port Control (a
// raw port bound as rfc2217://), one that sets another speed, and one that
// keeps the program waiting, during which the window keeps answering.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "devlink/delay.h"
#include "devlink/serial_port.h"
#include "devlink/wait_hook.h"
#include "recording_window.h"
#include "scripted_server.h"
#include "temp_folder.h"

using namespace devlink;
using testsupport::bytes;
using testsupport::kComPortOffer;
using testsupport::readToEnd;
using testsupport::readUntil;
using testsupport::RecordingWindow;
using testsupport::ScriptedServer;
using testsupport::TempFolder;

namespace {

// Confirms the four line settings, the speed as given.
std::string confirmations(std::uint32_t baud) {
    return bytes({255, 250, 44, 101, static_cast<int>(baud >> 24),
                  static_cast<int>(baud >> 16 & 255), static_cast<int>(baud >> 8 & 255),
                  static_cast<int>(baud & 255), 255, 240}) +
           bytes({255, 250, 44, 102, 8, 255, 240}) + bytes({255, 250, 44, 103, 1, 255, 240}) +
           bytes({255, 250, 44, 104, 1, 255, 240});
}

class CountingHook : public WaitHook {
  public:
    std::atomic<int> runs{0};
    void duringWait() override { ++runs; }
};

}  // namespace

class Negotiation : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("AQUENDOR_PORTS", ports.path().c_str(), 1);
        setenv("AQUENDOR_LOCK_DIR", ports.path().c_str(), 1);
        port.setPortName("COM5");
    }
    void bindTo(const std::string& url) {
        ASSERT_EQ(symlink(url.c_str(), (ports.path() + "/COM5").c_str()), 0);
    }

    TempFolder ports;
    RecordingWindow window;
    SerialPort port{window};
};

TEST_F(Negotiation, AServerWithoutComPortControlIsARawPortToBindAsTcp) {
    ScriptedServer server([](int client) {
        readUntil(client, kComPortOffer);
        send(client, "\xFF\xFE\x2C", 3, MSG_NOSIGNAL);  // DONT COM-PORT-OPTION
        readToEnd(client);
    });
    bindTo(server.url());
    EXPECT_FALSE(port.openPort());
    const std::string raw = "tcp" + server.url().substr(7);
    EXPECT_EQ(window.lastMessage(),
              "COM5: cannot open port !\n" + server.url() +
                  ": the server does not offer Com Port Control (RFC 2217): it is a raw port. "
                  "Bind it as " +
                  raw + ": aquendor-ports bind COM5 " + raw);
}

TEST_F(Negotiation, AServerThatSetsAnotherSpeedIsSaidAndNotUsed) {
    ScriptedServer server([](int client) {
        send(client, "\xFF\xFD\x2C", 3, MSG_NOSIGNAL);  // DO COM-PORT-OPTION
        readUntil(client, bytes({255, 250, 44, 4, 1, 255, 240}));
        const std::string answers = confirmations(9600);
        send(client, answers.data(), answers.size(), MSG_NOSIGNAL);
        readToEnd(client);
    });
    bindTo(server.url());
    EXPECT_FALSE(port.openPort());
    EXPECT_EQ(window.lastMessage(),
              "COM5: cannot open port !\n" + server.url() +
                  ": the server did not confirm the line settings baud=19200 parity=N data=8 "
                  "stop=1 (it answered baud=9600 parity=N data=8 stop=1). Check the settings of "
                  "the server's port.");
}

// The window's hook runs while the server is awaited; here the server
// finally says why it lets go.
TEST_F(Negotiation, TheWindowKeepsAnsweringWhileTheServerIsAwaited) {
    CountingHook hook;
    ScriptedServer server([&hook](int client) {
        readUntil(client, kComPortOffer);
        while (hook.runs < 3) std::this_thread::yield();
        send(client, "Port busy\r\n", 11, MSG_NOSIGNAL);
    });
    bindTo(server.url());
    WaitHook* previous = setWaitHook(&hook);
    const bool opened = port.openPort();
    setWaitHook(previous);
    EXPECT_FALSE(opened);
    EXPECT_GE(hook.runs, 3);
    EXPECT_EQ(window.lastMessage().rfind("COM5: cannot open port !\n" + server.url() +
                                             ": the server closed the connection (\"Port busy\").",
                                         0),
              0u)
        << window.lastMessage();
}

// A reset ends the wait for the confirmations at once, and is said as the
// server's end of the connection, not as settings it did not confirm.
TEST_F(Negotiation, AServerThatResetsTheConnectionIsSaidToHaveClosedIt) {
    ScriptedServer server([](int client) {
        send(client, "\xFF\xFD\x2C", 3, MSG_NOSIGNAL);
        readUntil(client, bytes({255, 250, 44, 4, 1, 255, 240}));
        const linger reset{1, 0};
        setsockopt(client, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    });
    bindTo(server.url());
    const std::int64_t start = monotonicMs();
    EXPECT_FALSE(port.openPort());
    EXPECT_LT(monotonicMs() - start, kConnectTimeoutMs);
    EXPECT_EQ(
        window.lastMessage().rfind(
            "COM5: cannot open port !\n" + server.url() + ": the server closed the connection.", 0),
        0u)
        << window.lastMessage();
}

TEST_F(Negotiation, AServerThatConfirmsEverythingGivesAnOpenPort) {
    ScriptedServer server([](int client) {
        send(client, "\xFF\xFD\x2C", 3, MSG_NOSIGNAL);
        readUntil(client, bytes({255, 250, 44, 4, 1, 255, 240}));
        const std::string answers = confirmations(19200);
        send(client, answers.data(), answers.size(), MSG_NOSIGNAL);
        readToEnd(client);
    });
    bindTo(server.url());
    EXPECT_TRUE(port.openPort()) << window.lastMessage();
    port.closePort();
}
