// Parameters through the tool: an exported setting file written back
// unchanged returns the unit's record as it was; single values set by name;
// and every refusal with its exit code, nothing sent to the unit.
#include <gtest/gtest.h>

#include <filesystem>

#include "controller/parameter_values.h"
#include "controller/unit_record.h"
#include "osmosis/parameter_layout.h"
#include "resources/ids/ksv2_ids.h"
#include "softener/parameter_layout.h"
#include "softener/parameter_values.h"
#include "softener/softener_settings.h"
#include "tool_fixture.h"

using testsupport::fileBytes;
using testsupport::lastDps;
using testsupport::unitConfig;
using unitsim::UnitKind;

namespace {

// The setting file's line of the value that a page control shows.
std::size_t lineOf(int control) {
    const auto values = softener::softenerSettingsProfile().values;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i].control == control) return i + 1;  // after the header
    return 0;
}

std::string withLine(const std::string& bytes, std::size_t line, const std::string& text) {
    std::size_t begin = 0;
    for (std::size_t i = 0; i < line; ++i) begin = bytes.find("\r\n", begin) + 2;
    const std::size_t end = bytes.find("\r\n", begin);
    return bytes.substr(0, begin) + text + bytes.substr(end);
}

double softenerValue(const std::string& record, const char* name) {
    controller::UnitRecord unit(softener::softenerLayout().form);
    unit.text() = record;
    return controller::valueNamed(controller::parameterValues(softener::softenerValueTable(), unit),
                                  name)
        .number;
}

struct FormCase {
    const char* kind;
    UnitKind unit;
    bool longForm;
    std::size_t length;
};

}  // namespace

class ToolParams : public testsupport::ToolTest {
  protected:
    std::string exportFrom(const std::string& com, const std::string& kind) {
        const auto result = testsupport::runTool(on(com, kind, {"params", "export", "unit.stg"}));
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, work.path() + "/unit.stg\n");
        return fileBytes(work.path() + "/unit.stg");
    }
    bool dpsSent(const unitsim::Simulator& sim) const { return !lastDps(sim).empty(); }
};

// The round trip of every record form: export, write back, the unit's
// record comes back to it, and the backup is what was exported.
TEST_F(ToolParams, AnUnchangedExportWrittenBackReturnsTheUnitsRecord) {
    const FormCase cases[] = {
        {"softener", UnitKind::Softener, true, softener::kLongRecordLength},
        {"softener", UnitKind::Softener, false, softener::kShortRecordLength},
        {"osmosis", UnitKind::Osmosis, true, osmosis::kLongRecordLength},
        {"osmosis", UnitKind::Osmosis, false, osmosis::kShortRecordLength},
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + (c.longForm ? " long" : " short"));
        auto config = unitConfig(c.unit);
        config.longForm = c.longForm;
        unitsim::Simulator& sim = bindUnit("COM5", config);
        const std::string held = sim.parameterRecord();
        const std::string exported = exportFrom("COM5", c.kind);
        ASSERT_EQ(exported.rfind("//never edit this file !//\r\n", 0), 0u);
        sim.clearReceived();

        const auto written =
            testsupport::runTool(on("COM5", c.kind, {"--yes", "params", "write", "unit.stg"}));
        ASSERT_EQ(written.exitCode, 0) << written.err;
        EXPECT_EQ(lastDps(sim), testsupport::framed("DPS|" + held.substr(0, c.length) + "|"));
        EXPECT_EQ(sim.parameterRecord(), held);
        EXPECT_NE(written.out.find("keine Parameter\u00E4nderung"), std::string::npos)
            << written.out;
        const auto backups = filesIn(work.path() + "/backup 123456");
        ASSERT_EQ(backups.size(), 1u);
        EXPECT_EQ(fileBytes(backups[0]), exported);
        std::filesystem::remove_all(work.path() + "/backup 123456");
        units.clear();
    }
}

TEST_F(ToolParams, SetChangesTheNamedValuesAndShowsThem) {
    unitsim::Simulator& sim = bindUnit("COM5", unitConfig(UnitKind::Softener));
    const auto result =
        testsupport::runTool(on("COM5", "softener",
                                {"--english", "--yes", "params", "set", "regeneration_interval=3",
                                 "stage_count=4", "raw_water_hardness=12,5"}));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("stage_count"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("max. stages: 5 -> 4"), std::string::npos) << result.out;
    const std::string record = sim.parameterRecord();
    EXPECT_EQ(softenerValue(record, "regeneration_interval"), 3);
    EXPECT_EQ(softenerValue(record, "stage_count"), 4);
    EXPECT_FLOAT_EQ(softenerValue(record, "raw_water_hardness"), 12.5);
    // The softener is read again after its write, as its window does.
    EXPECT_EQ(testsupport::telegramsOf(sim).back(), testsupport::framed("DPI|"));
}

// Nothing reaches the unit when a check refuses, and each refusal has its
// exit code: 7 a check, 9 not confirmed, 6 the unit's level, 8 a file.
TEST_F(ToolParams, RefusalsSendNothing) {
    bindUnit("COM5", unitConfig(UnitKind::Softener));
    // Supplementary program 2 starts at stage 4 of 5.
    ASSERT_EQ(testsupport::runTool(
                  on("COM5", "softener", {"--yes", "params", "set", "program_2_start_stage=4"}))
                  .exitCode,
              0);
    std::filesystem::remove_all(work.path() + "/backup 123456");
    const std::string exported = exportFrom("COM5", "softener");
    const auto edited = [&](int control, const std::string& text) {
        const std::string name = "edited" + std::to_string(control) + ".stg";
        testsupport::writeFileBytes(work.path() + "/" + name,
                                    withLine(exported, lineOf(control), text));
        return name;
    };
    testsupport::writeFileBytes(work.path() + "/short.stg", exported.substr(0, 200));
    struct Case {
        std::vector<std::string> words;
        int level;
        int exitCode;
        const char* says;
    };
    const Case cases[] = {
        {{"--yes", "params", "set", "stage_count=9"}, 2, 7, "only 1 to 8"},
        {{"--yes", "params", "set", "program_2_start_stage=7"}, 2, 7, "only 1 to 5"},
        {{"--yes", "params", "set", "regeneration_interval=2.5"}, 2, 7, "whole numbers only"},
        {{"--yes", "params", "set", "no_such_value=1"}, 2, 7, "Unknown value"},
        {{"--yes", "params", "set", "sms_access_number=1"}, 2, 7, "only shown"},
        {{"params", "set", "stage_count=4"}, 2, 9, "Without a terminal"},
        {{"--yes", "params", "set", "stage_count=4"}, 1, 6, "no authorisation to write"},
        {{"--yes", "params", "set", "stage_count=4"}, 0, 6, "no authorisation to read"},
        {{"--yes", "params", "write", "missing.stg"}, 2, 8, "cannot open"},
        {{"--yes", "params", "write", "short.stg"}, 2, 7, "holds no complete setting"},
        // A lowered number of stages leaves the start stage beyond it.
        {{"--yes", "params", "write", edited(ksv2::ids::StageCountEdit, "3")},
         2,
         7,
         "program_2_start_stage"},
        {{"--yes", "params", "write", edited(ksv2::ids::RawHardnessEdit, "--")},
         2,
         7,
         "not a valid number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words.back());
        units["COM5"]->setLevel(c.level);
        units["COM5"]->clearReceived();
        std::vector<std::string> words = {"--english"};
        words.insert(words.end(), c.words.begin(), c.words.end());
        const auto result = testsupport::runTool(on("COM5", "softener", words));
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
        EXPECT_FALSE(dpsSent(*units["COM5"]));
    }
    // The reading-only unit had its backup taken before the writing login,
    // as the window takes it; the unit keeps what it held.
    EXPECT_EQ(filesIn(work.path() + "/backup 123456").size(), 1u);
}

// A question asked on a terminal takes the operator's answer.
TEST_F(ToolParams, OnATerminalTheAnswerDecides) {
    unitsim::Simulator& sim = bindUnit("COM5", unitConfig(UnitKind::Softener));
    for (const char* answer : {"n\n", "j\n"}) {
        SCOPED_TRACE(answer);
        const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(terminal, 0);
        ASSERT_EQ(grantpt(terminal), 0);
        ASSERT_EQ(unlockpt(terminal), 0);
        const int operatorSide = open(ptsname(terminal), O_RDWR | O_NOCTTY);
        ASSERT_GE(operatorSide, 0);
        ASSERT_EQ(write(terminal, answer, 2), 2);
        testsupport::ToolProcess tool(on("COM5", "softener", {"params", "set", "stage_count=4"}),
                                      operatorSide);
        const auto result = tool.wait();
        close(operatorSide);
        close(terminal);
        EXPECT_NE(result.err.find("[j/N]"), std::string::npos) << result.err;
        EXPECT_EQ(result.exitCode, answer[0] == 'j' ? 0 : 9) << result.err;
        EXPECT_EQ(dpsSent(sim), answer[0] == 'j');
    }
}
