// The unit functions through the tool: both histories into list files,
// the unit commands of each kind, the data logger read and cleared, and a
// watch of a few readings.
#include <gtest/gtest.h>

#include "devlink/telegram.h"
#include "history_support.h"
#include "json_value.h"
#include "tool_fixture.h"

using testsupport::framed;
using testsupport::kLogin;
using testsupport::telegramsOf;
using testsupport::unitConfig;
using unitsim::UnitKind;

class ToolFunctions : public testsupport::ToolTest {};

TEST_F(ToolFunctions, HistoriesBecomeListFilesInTheFolderGiven) {
    unitsim::Simulator& sim = bindUnit("COM5", unitConfig(UnitKind::Softener));
    sim.setHistoryText(unitsim::History::Status,
                       testsupport::logData(1, {{8, 12345.0, 31, 12, 9, 23, 5}}, true));
    const auto status =
        testsupport::runTool(on("COM5", "softener", {"history", "status", "--dir", "lists"}));
    ASSERT_EQ(status.exitCode, 0) << status.err;
    const std::string folder = work.path() + "/lists/statuslist 123456";
    ASSERT_EQ(filesIn(folder).size(), 1u);
    EXPECT_EQ(status.out, filesIn(folder)[0] + "\n");
    EXPECT_EQ(testsupport::fileBytes(filesIn(folder)[0]),
              "Nr.   Datum      Zeit   Status                         Entnahme\r\n\r\n"
              "  1   31.12.09   23:05  man. Regeneration Filter 1      012.3\r\n");
    // The record's form first, as the window knows it from its read.
    EXPECT_EQ(telegramsOf(sim), (std::vector<std::string>{kLogin, framed("DSI|"), framed("DPI|"),
                                                          kLogin, framed("DHI|")}));

    sim.clearReceived();
    const auto errors =
        testsupport::runTool(on("COM5", "softener", {"--json", "history", "error"}));
    ASSERT_EQ(errors.exitCode, 0) << errors.err;
    EXPECT_EQ(telegramsOf(sim), (std::vector<std::string>{kLogin, framed("DEI|")}));
    const auto json = testsupport::readJson(errors.out);
    ASSERT_TRUE(json) << errors.out;
    EXPECT_EQ((*json)["file"].text.rfind(work.path() + "/errorlist 123456/errorlist 123456 ", 0),
              0u);

    const auto osmosis = testsupport::runTool(on("COM5", "osmosis", {"history", "status"}));
    EXPECT_EQ(osmosis.exitCode, 2);
}

TEST_F(ToolFunctions, UnitCommandsOfEachKind) {
    struct Case {
        const char* kind;
        UnitKind unit;
        const char* command;
        std::vector<std::string> sent;  // after the login
        std::vector<std::string> more;  // options
        int exitCode;
    };
    const std::vector<std::string> readAll = {kLogin, framed("DSI|"), framed("DPI|")};
    const Case cases[] = {
        {"softener",
         UnitKind::Softener,
         "acknowledge",
         {framed("SEQ|"), kLogin, framed("DSI|"), framed("DPI|")},
         {},
         0},
        {"softener", UnitKind::Softener, "regeneration", {framed("SRS|")}, {}, 0},
        {"softener", UnitKind::Softener, "reserve-filter", {framed("SRF|")}, {}, 0},
        {"softener", UnitKind::Softener, "filter-change", {framed("SFA|")}, {}, 0},
        {"osmosis", UnitKind::Osmosis, "start-stop", {framed("SRS|")}, {}, 0},
        {"osmosis", UnitKind::Osmosis, "flush", {framed("SFA|")}, {}, 0},
        {"osmosis",
         UnitKind::Osmosis,
         "acknowledge",
         {framed("SEQ|"), kLogin, framed("DSI|"), framed("DPI|")},
         {},
         0},
        // The reset asks first: without a terminal and --yes nothing is sent.
        {"softener", UnitKind::Softener, "reset", {}, {}, 9},
        {"osmosis", UnitKind::Osmosis, "regeneration", {}, {}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.command);
        unitsim::Simulator& sim = bindUnit("COM5", unitConfig(c.unit));
        std::vector<std::string> words = c.more;
        words.insert(words.end(), {"command", c.command});
        const auto result = testsupport::runTool(on("COM5", c.kind, words));
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        std::vector<std::string> expected;
        if (!c.sent.empty()) expected.push_back(kLogin);
        expected.insert(expected.end(), c.sent.begin(), c.sent.end());
        EXPECT_EQ(telegramsOf(sim), expected);
        units.clear();
    }
}

// The clock telegram carries the PC's date and time.
TEST_F(ToolFunctions, SetClock) {
    unitsim::Simulator& sim = bindUnit("COM5", unitConfig(UnitKind::Softener));
    const auto result = testsupport::runTool(on("COM5", "softener", {"command", "clock"}));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto sent = telegramsOf(sim);
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[1].rfind("STS|", 0), 0u);
    EXPECT_EQ(sent[1].size(), std::string("STS|0812261430|").size() + 3);
}

TEST_F(ToolFunctions, LoggerReadIntoTheUnitsFolderOrAFileAndCleared) {
    auto config = unitConfig(UnitKind::Measuring);
    config.variant = 2;
    config.loggerRecords = 40;
    unitsim::Simulator& sim = bindUnit("COM7", config);
    const auto read = testsupport::runTool(on("COM7", "measuring", {"logger", "read"}));
    ASSERT_EQ(read.exitCode, 0) << read.err;
    const auto files = filesIn(work.path() + "/Messdaten Vantiqo 123456");
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(read.out, files[0] + "\n");
    const std::string csv = testsupport::fileBytes(files[0]);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 40);
    EXPECT_EQ(csv.rfind("00001  ,  ", 0), 0u);

    const auto out =
        testsupport::runTool(on("COM7", "measuring", {"logger", "read", "--out", "-"}));
    ASSERT_EQ(out.exitCode, 0) << out.err;
    EXPECT_EQ(out.out, csv);

    const auto refused = testsupport::runTool(on("COM7", "measuring", {"logger", "clear"}));
    EXPECT_EQ(refused.exitCode, 9) << refused.err;
    EXPECT_EQ(sim.loggerRecords(), 40u);
    const auto cleared =
        testsupport::runTool(on("COM7", "measuring", {"--yes", "--quiet", "logger", "clear"}));
    EXPECT_EQ(cleared.exitCode, 0) << cleared.err;
    EXPECT_TRUE(cleared.err.empty()) << cleared.err;
    EXPECT_EQ(sim.loggerRecords(), 0u);

    const auto empty = testsupport::runTool(on("COM7", "measuring", {"logger", "read"}));
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_NE(empty.err.find("Messwertspeicher ist leer"), std::string::npos) << empty.err;
}

TEST_F(ToolFunctions, WatchPrintsALineAReading) {
    bindUnit("COM5", unitConfig(UnitKind::Osmosis));
    const auto csv = testsupport::runTool(on(
        "COM5", "osmosis", {"watch", "--interval", "1", "--count", "2", "--csv", "readings.csv"}));
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = csv.out.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(csv.out.substr(at, end - at));
    ASSERT_EQ(lines.size(), 3u) << csv.out;
    EXPECT_EQ(lines[0].rfind("time,plant_status,conductivity,", 0), 0u) << lines[0];
    // As many fields as the header names, the conductivity with a point, never "8,52".
    EXPECT_EQ(std::count(lines[1].begin(), lines[1].end(), ','),
              std::count(lines[0].begin(), lines[0].end(), ','));
    const std::size_t conductivity = lines[1].find(',', lines[1].find(',') + 1) + 1;
    EXPECT_NE(lines[1].substr(conductivity, 5).find('.'), std::string::npos) << lines[1];
    EXPECT_EQ(testsupport::fileBytes(work.path() + "/readings.csv"), csv.out);

    const auto json = testsupport::runTool(
        on("COM5", "osmosis", {"--json", "watch", "--interval", "1", "--count", "1"}));
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const auto reading = testsupport::readJson(json.out);
    ASSERT_TRUE(reading) << json.out;
    EXPECT_EQ(reading->order.front(), "time");
    EXPECT_EQ((*reading)["kind"].text, "osmosis");
}
