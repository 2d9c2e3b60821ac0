// The exit code tells a script what went wrong: the command line, the
// port, a unit that does not answer or answers garbled, a refused login.
#include <gtest/gtest.h>

#include <sys/file.h>

#include "tool_fixture.h"
#include "tools/unitsim/serial_server.h"

using testsupport::unitConfig;
using unitsim::Fault;
using unitsim::UnitKind;

class ToolExitCodes : public testsupport::ToolTest {};

TEST_F(ToolExitCodes, EachFailureClassHasItsCode) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        Fault fault;
        int exitCode;
        const char* says;
    };
    const std::vector<std::string> softener = {"--kind", "softener", "--english"};
    const auto with = [&](std::vector<std::string> args) {
        args.insert(args.end(), softener.begin(), softener.end());
        args.push_back("status");
        return args;
    };
    const Case cases[] = {
        {"no such device", with({"--port", "/nonexistent/ttyUSB7", "--serial", "123456"}),
         Fault::None, 3, "cannot open port"},
        {"wrong serial number", with({"--port", "COM5", "--serial", "654321"}), Fault::None, 6,
         "Insert the correct serialnumber"},
        {"wrong checksum", with({"--port", "COM5", "--serial", "123456"}), Fault::WrongChecksum, 5,
         "checksum error"},
        {"checksum echo", with({"--port", "COM5", "--serial", "123456"}), Fault::ChecksumEcho, 5,
         "(PC -> Aquendor"},
        {"overlong answer", with({"--port", "COM5", "--serial", "123456"}), Fault::Overlong, 5,
         "buffer overflow"},
        {"device gone", with({"--port", "COM5", "--serial", "123456"}), Fault::Vanish, 4,
         "transmission error"},
        {"no serial number",
         {"--port", "COM5", "--kind", "softener", "status"},
         Fault::None,
         2,
         "--serial"},
        {"unknown option", with({"--port", "COM5", "--serial", "123456", "--colour"}), Fault::None,
         2, "--colour"},
        {"speed", with({"--port", "COM5", "--serial", "123456", "--baud", "4800"}), Fault::None, 2,
         "19200 or 9600"},
        {"unknown command",
         {"--serial", "123456", "--kind", "softener", "--english", "statsu"},
         Fault::None,
         2,
         "statsu"},
        {"dial number with a line end",
         with({"--port", "COM5", "--serial", "123456", "--dial", "12\r3"}), Fault::None, 2,
         "--dial"},
        {"value of a softener",
         {"--port", "COM5", "--serial", "123456", "--kind", "softener", "--english", "value"},
         Fault::None,
         2,
         "measuring unit only"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        unitsim::Simulator& sim = bindUnit("COM5", unitConfig(UnitKind::Softener));
        // The login goes through; the fault meets the status request.
        if (c.fault != Fault::None) sim.setFaultOn("DSI", c.fault);
        const auto result = testsupport::runTool(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
        EXPECT_TRUE(result.out.empty()) << result.out;
        EXPECT_TRUE(noLockLeft());
        units.clear();
    }
}

// A second program on the same port is refused as by the windows, and the
// tool's lock goes with it.
TEST_F(ToolExitCodes, APortInUseIsRefused) {
    unitsim::Simulator& sim = bindUnit("COM5", unitConfig(UnitKind::Softener));
    const int held = open(sim.devicePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX | LOCK_NB), 0);
    const auto result = testsupport::runTool(on("COM5", "softener", {"--english", "status"}));
    close(held);
    EXPECT_EQ(result.exitCode, 3) << result.err;
    EXPECT_NE(result.err.find("held by another program"), std::string::npos) << result.err;
}

TEST_F(ToolExitCodes, HelpAndVersionNeedNoUnit) {
    const auto version = testsupport::runTool({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("aquendorctl ", 0), 0u);
    EXPECT_NE(version.out.find("\nfrom the package "), std::string::npos);
    const auto help = testsupport::runTool({"--english", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("Usage: aquendorctl", 0), 0u);
    for (const char* command :
         {"status", "params", "history", "command", "value", "logger", "watch", "round"}) {
        SCOPED_TRACE(command);
        const auto one = testsupport::runTool({command, "--help"});
        EXPECT_EQ(one.exitCode, 0);
        EXPECT_EQ(one.out.rfind(std::string("aquendorctl [OPTIONEN] ") + command, 0), 0u)
            << one.out;
    }
}

// A unit behind a network serial server, named on the command line as
// the server's address, and by its device path.
TEST_F(ToolExitCodes, PortsByDevicePathAndNetworkAddress) {
    unitsim::Simulator& sim = bindUnit("COM5", unitConfig(UnitKind::Osmosis));
    const auto byPath = testsupport::runTool(on(sim.devicePath(), "osmosis", {"status"}));
    EXPECT_EQ(byPath.exitCode, 0) << byPath.err;
    if (unitsim::SerialServer::program().empty()) GTEST_SKIP() << "ser2net is not installed";
    for (const auto mode :
         {unitsim::SerialServer::Mode::Raw, unitsim::SerialServer::Mode::Rfc2217}) {
        unitsim::SerialServer server;
        ASSERT_TRUE(server.start(sim.devicePath(), mode, ports.path())) << server.why();
        const auto result = testsupport::runTool(on(server.url(), "osmosis", {"--json", "status"}));
        EXPECT_EQ(result.exitCode, 0) << server.url() << result.err;
        EXPECT_EQ(result.out.rfind("{\"kind\":\"osmosis\"", 0), 0u) << result.out;
        server.stop();
        EXPECT_TRUE(noLockLeft());
    }
}
