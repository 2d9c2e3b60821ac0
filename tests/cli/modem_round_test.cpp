// A dialled unit: the line is hung up after the command, after a failure
// and when Ctrl+C cuts an exchange short, and the port's lock goes. A
// service round over three units, one of them out of reach.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "json_value.h"
#include "tool_fixture.h"

using testsupport::telegramsOf;
using testsupport::unitConfig;
using unitsim::UnitKind;

namespace {

unitsim::Config dialledUnit(UnitKind kind, const std::string& serial = "123456") {
    unitsim::Config config = unitConfig(kind, serial);
    config.modem = true;
    config.dialDelayMs = 10;
    config.guardMs = 200;
    return config;
}

bool received(const unitsim::Simulator& sim, const std::string& bytes) {
    const auto sent = telegramsOf(sim);
    return std::find(sent.begin(), sent.end(), bytes) != sent.end();
}

}  // namespace

class ToolModem : public testsupport::ToolTest {};

TEST_F(ToolModem, CtrlCDuringADialledExchangeHangsUpAndReleasesThePort) {
    unitsim::Simulator& sim = bindUnit("COM6", dialledUnit(UnitKind::Softener));
    // The unit never answers the status request: the tool waits in the exchange.
    sim.setFaultOn("DSI", unitsim::Fault::Silence);
    testsupport::ToolProcess tool(
        on("COM6", "softener", {"--english", "--dial", "0301234", "status"}));
    ASSERT_TRUE(sim.waitForReceived(3));  // ATD, CSN, DSI
    ASSERT_EQ(sim.modemState(), unitsim::ModemState::Online);
    tool.signal(SIGINT);
    const auto result = tool.wait(30000);
    EXPECT_EQ(result.exitCode, 130) << result.err;
    EXPECT_NE(result.err.find("Interrupted"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("transmission error"), std::string::npos) << result.err;
    EXPECT_TRUE(received(sim, "+++"));
    EXPECT_TRUE(received(sim, "ATH\r"));
    EXPECT_EQ(sim.modemState(), unitsim::ModemState::Idle);
    EXPECT_EQ(sim.dialledNumber(), "0301234");
    EXPECT_TRUE(noLockLeft());
}

// On a cable there is nothing to hang up: the port and its lock go, and
// the tool says why it stopped.
TEST_F(ToolModem, CtrlCOnACableReleasesThePort) {
    unitsim::Simulator& sim = bindUnit("COM5", unitConfig(UnitKind::Softener));
    sim.setFaultOn("DSI", unitsim::Fault::Silence);
    testsupport::ToolProcess tool(on("COM5", "softener", {"--english", "status"}));
    ASSERT_TRUE(sim.waitForReceived(2));  // CSN, DSI
    tool.signal(SIGTERM);
    const auto result = tool.wait(30000);
    EXPECT_EQ(result.exitCode, 143) << result.err;
    EXPECT_NE(result.err.find("Interrupted; the line is released."), std::string::npos)
        << result.err;
    EXPECT_TRUE(noLockLeft());
}

// A unit that fails after the dial is hung up all the same.
TEST_F(ToolModem, AFailureAfterTheDialHangsUp) {
    unitsim::Simulator& sim = bindUnit("COM6", dialledUnit(UnitKind::Softener, "222222"));
    const auto result =
        testsupport::runTool(on("COM6", "softener", {"--english", "--dial", "0301234", "status"}));
    EXPECT_EQ(result.exitCode, 6) << result.err;  // the wrong serial number
    EXPECT_TRUE(received(sim, "ATH\r"));
    EXPECT_EQ(sim.modemState(), unitsim::ModemState::Idle);
    EXPECT_TRUE(noLockLeft());
}

// The dial number of a location of the program's configuration file.
TEST_F(ToolModem, ALocationIsDialledFromThePhonebook) {
    unitsim::Simulator& sim = bindUnit("COM6", dialledUnit(UnitKind::Osmosis));
    sim.setDialOutcome(unitsim::ModemOutcome::NoCarrier);
    testsupport::writeFileBytes(work.path() + "/AquendorPLN2.ini",
                                "//never edit this file !//\r\nCOM6\r\nWerk Nord|0309876\r\n");
    const auto result = testsupport::runTool(
        {"--serial", "123456", "--kind", "osmosis", "--location", "Werk Nord", "status"});
    EXPECT_EQ(result.exitCode, 4) << result.err;  // NO CARRIER: not reached
    EXPECT_NE(result.err.find("NO CARRIER"), std::string::npos) << result.err;
    EXPECT_EQ(sim.dialledNumber(), "0309876");
    EXPECT_FALSE(received(sim, "ATH\r"));  // no line was up
    const auto unknown = testsupport::runTool(
        {"--serial", "123456", "--kind", "osmosis", "--location", "Werk Süd", "status"});
    EXPECT_EQ(unknown.exitCode, 2) << unknown.err;
}

class ToolRound : public testsupport::ToolTest {};

// Three units: a softener on a cable, a measuring unit behind a COM name,
// and a reverse-osmosis unit whose modem gets no carrier.
TEST_F(ToolRound, ThreeUnitsOneOutOfReach) {
    bindUnit("COM5", unitConfig(UnitKind::Softener, "111111"));
    unitsim::Simulator& far = bindUnit("COM6", dialledUnit(UnitKind::Osmosis, "222222"));
    far.setDialOutcome(unitsim::ModemOutcome::NoCarrier);
    auto measuring = unitConfig(UnitKind::Measuring, "333333");
    measuring.variant = 1;
    measuring.loggerRecords = 20;
    bindUnit("COM7", measuring);
    testsupport::writeFileBytes(work.path() + "/round.txt",
                                "# name, port or dial number, serial, kind\r\n"
                                "Plant 7, COM5, 111111, softener\r\n"
                                "\r\n"
                                "Hospital RO, 0301234, 222222, osmosis\r\n"
                                "Dosing east, com7, 333333, measuring\r\n");
    const auto result = testsupport::runTool(
        {"--english", "--json", "--port", "COM6", "round", "round.txt", "--dir", "night"});
    EXPECT_EQ(result.exitCode, 10) << result.err;
    const auto json = testsupport::readJson(result.out);
    ASSERT_TRUE(json) << result.out;
    EXPECT_FALSE((*json)["complete"].flag);
    const auto& units = (*json)["units"].items;
    ASSERT_EQ(units.size(), 3u);
    EXPECT_EQ(units[0]["name"].text, "Plant 7");
    EXPECT_TRUE(units[0]["reached"].flag);
    EXPECT_TRUE(units[0]["complete"].flag) << result.err;
    EXPECT_EQ(units[0]["alarm"].type, testsupport::JsonValue::Bool);
    // Status as text and JSON, the parameters, the status and error lists.
    EXPECT_EQ(units[0]["files"].items.size(), 5u);
    EXPECT_FALSE(units[1]["reached"].flag);
    EXPECT_EQ(units[1]["problem"].text, "no answer");
    EXPECT_EQ(units[1]["exit"].number, 4);
    EXPECT_EQ(units[1]["files"].items.size(), 0u);
    EXPECT_TRUE(units[2]["complete"].flag) << result.err;
    EXPECT_EQ(units[2]["alarm"].type, testsupport::JsonValue::Null);
    EXPECT_EQ(units[2]["files"].items.size(), 3u);  // status text, JSON and the logger

    const std::string night = work.path() + "/night";
    for (const auto& file : units[0]["files"].items)
        EXPECT_TRUE(std::filesystem::exists(file.text));
    EXPECT_EQ(filesIn(night + "/Plant 7/backup 111111").size(), 1u);
    EXPECT_EQ(filesIn(night + "/Plant 7/statuslist 111111").size(), 1u);
    EXPECT_EQ(filesIn(night + "/Plant 7/errorlist 111111").size(), 1u);
    EXPECT_EQ(filesIn(night + "/Dosing east/Messdaten Vantiqo 333333").size(), 1u);
    EXPECT_EQ(
        testsupport::fileBytes(night + "/Plant 7/status.json").rfind("{\"kind\":\"softener\"", 0),
        0u);
    EXPECT_TRUE(noLockLeft());
}

TEST_F(ToolRound, TheSummaryTable) {
    bindUnit("COM5", unitConfig(UnitKind::Softener, "111111"));
    testsupport::writeFileBytes(work.path() + "/round.txt",
                                "Plant 7, COM5, 111111, softener\n"
                                "Cellar, /nonexistent/ttyUSB9, 444444, softener\n");
    const auto result = testsupport::runTool({"--english", "round", "round.txt", "--dir", "night"});
    EXPECT_EQ(result.exitCode, 10) << result.err;
    EXPECT_EQ(result.out,
              "unit     kind      serial  reached  alarm  files  problem\n"
              "Plant 7  softener  111111  yes      no     5\n"
              "Cellar   softener  444444  no       -      0      port\n");
}
