// A server that takes no connection (its queue full, a firewall that drops
// the handshake, a VPN that is down) is given the whole connect timeout,
// then said with what to check. The 10 s pass in real time: while the
// program waits for a server, the test clock never skips.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <arpa/inet.h>
#include <netinet/in.h>

#include "devlink/serial_port.h"
#include "recording_window.h"
#include "served_unit.h"

using devlink::SerialPort;
using testsupport::RecordingWindow;
using testsupport::ServedUnit;
using testsupport::TempFolder;

TEST(NetworkConnect, AServerThatNeverAnswersIsSaidAfterTheConnectTimeout) {
    TempFolder ports;
    setenv("AQUENDOR_PORTS", ports.path().c_str(), 1);
    setenv("AQUENDOR_LOCK_DIR", ports.path().c_str(), 1);
    RecordingWindow window;
    SerialPort port{window};
    const int listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 0), 0);  // one waiting connection fills the queue
    ASSERT_EQ(getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size), 0);
    const int filler = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_EQ(connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const int server = ntohs(address.sin_port);

    const std::string url = "rfc2217://127.0.0.1:" + std::to_string(server);
    ServedUnit::bind("COM8", url);
    port.setPortName("COM8");
    EXPECT_FALSE(port.openPort());
    close(filler);
    close(listener);
    EXPECT_EQ(window.lastMessage(), "COM8: cannot open port !\n" + url +
                                        ": no answer from the server within 10 s. Check that "
                                        "the network or VPN is up and the server is switched on.");
}
