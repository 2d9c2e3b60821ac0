// A COM name bound to a network serial server: the addresses a binding
// takes and refuses, aquendor-ports binding and listing them beside the
// devices, and a binding with no valid address said at the open.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "devlink/com_names.h"
#include "devlink/network_address.h"
#include "devlink/port_lock.h"
#include "devlink/serial_port.h"
#include "recording_window.h"
#include "temp_folder.h"
#include "tools/ports/ports_command.h"

using devlink::NetworkAddress;
using testsupport::TempFolder;

namespace {

struct Outcome {
    int code;
    std::string out, err;
};

Outcome run(std::vector<std::string> arguments) {
    std::ostringstream out, err;
    const int code = ports::runPortsCommand(arguments, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace

TEST(NetworkAddress, TakesHostAndPortAndRefusesTheRest) {
    using P = NetworkAddress::Protocol;
    struct Row {
        const char* text;
        bool valid;
        P protocol = P::Raw;
        const char* host = "";
        const char* port = "";
        const char* url = "";
    };
    const Row rows[] = {
        {"tcp://plant-7.example:4001", true, P::Raw, "plant-7.example", "4001",
         "tcp://plant-7.example:4001"},
        {"rfc2217://10.0.0.7:4001", true, P::Rfc2217, "10.0.0.7", "4001",
         "rfc2217://10.0.0.7:4001"},
        {"RFC2217://Plant-7:04001", true, P::Rfc2217, "Plant-7", "4001", "rfc2217://Plant-7:4001"},
        {"tcp://[fd00::7]:4001", true, P::Raw, "fd00::7", "4001", "tcp://[fd00::7]:4001"},
        {"tcp://plant-7.example", false},
        {"tcp://:4001", false},
        {"tcp://plant-7.example:0", false},
        {"tcp://plant-7.example:65536", false},
        {"tcp://plant-7.example:4001/", false},
        {"tcp://plant 7:4001", false},
        {"tcp://plant-7;rm -rf:4001", false},
        {"tcp://[fd00::7:4001", false},
        {"tcp://[plant]:4001", false},
        {"telnet://plant-7.example:4001", false},
        {"/dev/ttyUSB0", false},
    };
    for (const Row& row : rows) {
        const auto address = devlink::parseNetworkAddress(row.text);
        ASSERT_EQ(address.has_value(), row.valid) << row.text;
        if (!row.valid) continue;
        EXPECT_EQ(address->protocol, row.protocol) << row.text;
        EXPECT_EQ(address->host, row.host) << row.text;
        EXPECT_EQ(address->port, row.port) << row.text;
        EXPECT_EQ(address->url(), row.url) << row.text;
    }
}

// The lock's name is a file name in the shared lock folder, whatever the
// host is called.
TEST(NetworkAddress, TheLockIsNamedAfterTheServerAndStaysInTheLockFolder) {
    EXPECT_EQ(devlink::networkLockFileName("Plant-7.Example", "4001"),
              "LCK..net_plant-7.example_4001");
    EXPECT_EQ(devlink::networkLockFileName("fe80::1%eth0", "4001"), "LCK..net_fe80__1_eth0_4001");
    EXPECT_EQ(devlink::networkLockFileName("../../etc", "1").find('/'), std::string::npos);
}

TEST(PortsCommand, BindsAndListsNetworkPortsBesideDevices) {
    TempFolder folder;
    const std::string ports = folder.path() + "/ports";
    setenv("AQUENDOR_PORTS", ports.c_str(), 1);

    const Outcome rfc2217 = run({"bind", "COM3", "rfc2217://plant-7.example:4001"});
    EXPECT_EQ(rfc2217.code, 0) << rfc2217.err;
    EXPECT_EQ(rfc2217.out.rfind(
                  "COM3 -> rfc2217://plant-7.example:4001  (network serial server, RFC 2217)\n"
                  "Note: the connection is not encrypted",
                  0),
              0u)
        << rfc2217.out;
    EXPECT_EQ(run({"bind", "COM4", "TCP://10.0.0.7:04001"}).code, 0);
    EXPECT_EQ(std::filesystem::read_symlink(ports + "/COM4"), "tcp://10.0.0.7:4001");
    EXPECT_EQ(devlink::networkBindingText("COM3"), "rfc2217://plant-7.example:4001");
    EXPECT_EQ(devlink::networkBindingText("COM1"), "");

    const Outcome listed = run({});
    EXPECT_NE(listed.out.find(
                  "  COM3  rfc2217://plant-7.example:4001  (network serial server, RFC 2217)\n"),
              std::string::npos)
        << listed.out;
    EXPECT_NE(listed.out.find("  COM4  tcp://10.0.0.7:4001  (network serial server, raw TCP)\n"),
              std::string::npos)
        << listed.out;
    EXPECT_NE(listed.out.find("  COM1  /dev/ttyS0  (default)"), std::string::npos);

    // Bound to a device again, COM3 is a device again.
    EXPECT_EQ(run({"bind", "COM3", "/dev/null"}).code, 0);
    EXPECT_EQ(devlink::networkBindingText("COM3"), "");
}

TEST(PortsCommand, RefusesAMalformedNetworkAddressAndKeepsTheOldBinding) {
    TempFolder folder;
    setenv("AQUENDOR_PORTS", folder.path().c_str(), 1);
    ASSERT_EQ(run({"bind", "COM3", "tcp://plant-7:4001"}).code, 0);
    const Outcome refused = run({"bind", "COM3", "rfc2217://plant-7"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err,
              "aquendor-ports: rfc2217://plant-7 is no network address: tcp://HOST:PORT or "
              "rfc2217://HOST:PORT\n");
    EXPECT_EQ(devlink::networkBindingText("COM3"), "tcp://plant-7:4001");
    EXPECT_NE(run({"--help"}).out.find("aquendor-ports bind COMn rfc2217://HOST:PORT"),
              std::string::npos);
}

// A binding written by hand that names no valid address: the port message
// says so and what to do, in the program's language.
TEST(NetworkPortOpen, ABindingWithoutAValidAddressIsSaid) {
    TempFolder folder;
    setenv("AQUENDOR_PORTS", folder.path().c_str(), 1);
    ASSERT_EQ(symlink("tcp://plant-7", (folder.path() + "/COM3").c_str()), 0);
    testsupport::RecordingWindow window;
    devlink::SerialPort port(window);
    port.setPortName("COM3");
    EXPECT_FALSE(port.openPort());
    EXPECT_EQ(window.lastMessage(),
              "COM3: cannot open port !\nCOM3 is bound to \"tcp://plant-7\", which is no network "
              "address: tcp://HOST:PORT or rfc2217://HOST:PORT (aquendor-ports binds it anew).");
    window.englishUi = false;
    EXPECT_FALSE(port.openPort());
    EXPECT_EQ(window.lastMessage(),
              "COM3 konnte nicht ge\u00F6ffnet werden !\nCOM3 ist an \u201Etcp://plant-7\u201C "
              "gebunden, das ist keine Netzadresse: tcp://HOST:PORT oder rfc2217://HOST:PORT "
              "(aquendor-ports setzt sie neu).");
}
