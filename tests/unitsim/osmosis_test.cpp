// The reverse-osmosis unit over the line: the lengths of its status and
// parameter answers in both forms, a written record read back, the plant
// that moves and obeys the commands, and the error history.
#include <ctime>

#include "devlink/fields.h"
#include "program_side.h"

using namespace unitsim;
using unitsim_test::RunningUnit;

namespace {

std::string framed(const std::string& text) {
    return devlink::frameRequest(text);
}

class OsmosisUnitTest : public RunningUnit {
  protected:
    void startUnit(bool longForm = true, bool twoParts = false) {
        Config config;
        config.kind = UnitKind::Osmosis;
        config.timeScale = 0.0;
        config.longForm = longForm;
        config.twoPartDpi = twoParts;
        start(config);
    }
    std::string area() { return ask("DSI|").substr(4, 110); }
    int byteOf(std::size_t offset) { return devlink::decodeByte(area(), offset); }
    std::string write(const std::string& record) { return ask("DPS|" + record + "|"); }
};

}  // namespace

TEST_F(OsmosisUnitTest, AnswersHaveTheLengthsTheProgramCounts) {
    startUnit();
    EXPECT_EQ(ask("DSI|").size(), 4u + 110u + 4u);
    const std::string dpi = ask("DPI|");
    EXPECT_EQ(dpi.size(), 333u);  // the long form's first answer
    EXPECT_EQ(dpi.substr(4, 322), sim->parameterRecord());

    startUnit(false);
    const std::string shortAnswer = ask("DPI|");
    EXPECT_EQ(shortAnswer.size(), 4u + 156u + 3u + 4u);
    EXPECT_EQ(shortAnswer.substr(4, 156), sim->parameterRecord());
}

TEST_F(OsmosisUnitTest, WrittenRecordIsReadBackAndTheShortFormKeepsTheRest) {
    startUnit();
    std::string record = sim->parameterRecord();
    devlink::putField(record, 112, devlink::encodeByte(0));  // alternating pumps
    devlink::putField(record, 254, devlink::encodeText("Halle 7", 30));
    EXPECT_EQ(write(record), framed("DPS|CF|"));
    EXPECT_EQ(sim->parameterRecord(), record);
    EXPECT_EQ(ask("DPI|").substr(4, 322), record);

    const std::string shortPart = std::string(156, '1');
    EXPECT_EQ(write(shortPart), framed("DPS|CF|"));
    EXPECT_EQ(sim->parameterRecord(), shortPart + record.substr(156));
    EXPECT_EQ(write(std::string(200, '0')), framed("DPS|"));  // no such form: the echo

    startUnit(false);
    EXPECT_EQ(write(std::string(322, '0')), framed("DPS|"));  // a short-form unit
}

TEST_F(OsmosisUnitTest, TwoPartAnswersJoinToTheRecordWhenEachLosesItsLastFour) {
    startUnit(false, true);
    const std::string first = ask("DPI|");
    const std::string second = ask("DPI|");
    ASSERT_EQ(first[0], ' ');
    const std::string joined =
        first.substr(4, first.size() - 8) + second.substr(4, second.size() - 8);
    EXPECT_EQ(joined.substr(0, 156), sim->parameterRecord());
}

TEST_F(OsmosisUnitTest, PlantMovesAndObeysTheCommands) {
    startUnit();
    EXPECT_EQ(byteOf(96), 2);  // producing
    const std::string before = area();
    sim->advanceMinutes(30);
    const std::string after = area();
    EXPECT_GT(devlink::decodeFloat(after, 48), devlink::decodeFloat(before, 48));  // permeate
    EXPECT_NE(after.substr(0, 8), before.substr(0, 8));                            // conductivity

    EXPECT_EQ(ask("SFA|"), framed("SFA|CF|"));  // flush
    EXPECT_EQ(byteOf(96), 4);
    EXPECT_EQ(byteOf(98) & 0x08, 0x08);  // the flush valve opens
    sim->advanceMinutes(2);
    EXPECT_EQ(byteOf(96), 2);  // back to production

    EXPECT_EQ(ask("SRS|"), framed("SRS|CF|"));  // stop
    EXPECT_EQ(byteOf(96), 8);
    EXPECT_EQ(byteOf(98) & 0xC0, 0);  // both pumps off
    ask("SRS|");
    EXPECT_NE(byteOf(96), 8);

    sim->raiseError(64);
    EXPECT_EQ(byteOf(104), 0x80);  // the red lamp blinks
    EXPECT_EQ(byteOf(98) & 0x01, 1);
    ask("SEQ|");
    EXPECT_EQ(byteOf(104), 0);
}

TEST_F(OsmosisUnitTest, ErrorHistoryLogsAlarmsAndTheRestartAndTheClockCanBeSet) {
    startUnit();
    sim->raiseError(1024);
    ask("RST|");
    const std::string answer = ask("DEI|");
    const std::string data = answer.substr(4, 362);
    EXPECT_EQ(devlink::decodeByte(data, 0), 5);         // three seeded, the alarm, the restart
    EXPECT_EQ(devlink::decodeWord32(data, 2), 1u);      // newest first: the restart
    EXPECT_EQ(devlink::decodeWord32(data, 10), 1024u);  // then the alarm

    EXPECT_EQ(ask("STS|3112092359|"), framed("STS|CF|"));
    const std::string now = area();
    EXPECT_EQ(devlink::decodeByte(now, 90), 31);
    EXPECT_EQ(devlink::decodeByte(now, 92), 12);
    EXPECT_EQ(devlink::decodeByte(now, 94), 9);
    EXPECT_EQ(devlink::decodeByte(now, 84), 23);
    EXPECT_EQ(ask("STS|3102092359|"), framed("STS|"));  // no 31 February: the echo
}
