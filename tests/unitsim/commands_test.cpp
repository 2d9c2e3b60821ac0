// The softener's unit commands and logs over the line: what each command
// telegram does to the plant, the alarm and the clock, and the status and
// error histories as the unit sends them.
#include <ctime>

#include "devlink/fields.h"
#include "program_side.h"
#include "status_view.h"

using namespace unitsim;
using unitsim_test::RunningUnit;
using unitsim_test::StatusView;

namespace {

struct Entry {
    unsigned code;
    double litres;
    int day, month, year, hour, minute;
};

// Entry i of a log as the program decodes it.
Entry entryOf(const std::string& data, std::size_t i, bool status) {
    const std::size_t hours = status ? 322 : 162;
    const auto byteAt = [&](std::size_t column) {
        return static_cast<int>(devlink::decodeByte(data, column + 2 * i));
    };
    return {devlink::decodeWord32(data, 2 + 8 * i),
            status ? devlink::decodeFloat(data, 162 + 8 * i) : 0.0,
            byteAt(hours + 80),
            byteAt(hours + 120),
            byteAt(hours + 160),
            byteAt(hours),
            byteAt(hours + 40)};
}

// What the program takes from a DHI or DEI answer: behind the head, without
// the three spare characters, "|", checksum and end byte.
std::string dataOf(const std::string& answer) {
    return answer.size() > 11 ? answer.substr(4, answer.size() - 11) : std::string();
}

class UnitCommands : public RunningUnit {
  protected:
    void startPlant(int type) {
        Config config;
        config.timeScale = 0.0;
        config.plantType = type;
        start(config);
    }
    StatusView status() { return StatusView(ask("DSI|").substr(4, 190)); }
    std::string statusLog() { return dataOf(ask("DHI|")); }
    std::string errorLog() { return dataOf(ask("DEI|")); }
};

}  // namespace

TEST_F(UnitCommands, AcknowledgeClearsTheAlarmAndResetLogsTheRestart) {
    startPlant(1);
    sim->raiseError(4096);
    EXPECT_TRUE(status().bit(164, 7));
    EXPECT_EQ(entryOf(errorLog(), 0, false).code, 4096u);
    ask("SEQ|");
    EXPECT_FALSE(status().bit(164, 7));
    EXPECT_FALSE(status().bit(162, 0));

    sim->raiseAlarm(true);
    EXPECT_EQ(entryOf(errorLog(), 0, false).code, 2u);
    ask("RST|");
    EXPECT_FALSE(status().bit(164, 7));
    EXPECT_EQ(entryOf(errorLog(), 0, false).code, 1u);  // the restart, like a power return
    EXPECT_EQ(entryOf(errorLog(), 1, false).code, 2u);
}

TEST_F(UnitCommands, ClockTelegramSetsTheUnitsClock) {
    startPlant(1);
    EXPECT_EQ(ask("STS|3112092359|"), devlink::frameRequest("STS|CF|"));
    const StatusView v = status();
    // Last access: hour, minute, day, month, year; the clock runs on from 23:59.
    EXPECT_EQ(v.byte(154), 31);
    EXPECT_EQ(v.byte(156), 12);
    EXPECT_EQ(v.byte(158), 9);
    EXPECT_EQ(v.byte(148), 23);
    EXPECT_EQ(v.byte(150), 59);
    sim->raiseError(32);
    const Entry logged = entryOf(errorLog(), 0, false);
    EXPECT_EQ((std::vector<int>{logged.day, logged.month, logged.year}),
              (std::vector<int>{31, 12, 9}));

    // No such moment: the unit does not take it.
    EXPECT_EQ(ask("STS|3102092359|"), devlink::checksumEcho("STS"));
    EXPECT_EQ(ask("STS|311209|"), devlink::checksumEcho("STS"));
    EXPECT_EQ(status().byte(156), 12);
}

TEST_F(UnitCommands, StartStopRegeneratesByHandAndStopsAgain) {
    startPlant(1);
    const std::size_t before = devlink::decodeByte(statusLog(), 0);
    ask("SRS|");
    EXPECT_EQ(status().stage1(), 1);
    EXPECT_FALSE(status().valve1());
    const Entry manual = entryOf(statusLog(), 0, true);
    EXPECT_EQ(manual.code, 8u);                             // manual regeneration filter 1
    EXPECT_NEAR(manual.litres, 100.0 / 8.4 * 1000.0, 1.0);  // 40 % of 250 m³°dH used
    EXPECT_EQ(devlink::decodeByte(statusLog(), 0), before + 1);

    ask("SRS|");
    EXPECT_EQ(status().stage1(), 0);
    EXPECT_TRUE(status().valve1());
    EXPECT_EQ(devlink::decodeByte(statusLog(), 0), before + 1);  // a stop is not logged
    ask("SRF|");  // a one-filter plant has no reserve filter
    EXPECT_EQ(status().stage1(), 0);
}

TEST_F(UnitCommands, ReserveFilterAndFilterChangeOnTwoFilterPlants) {
    startPlant(2);
    ASSERT_TRUE(status().valve1());
    ask("SFA|");
    EXPECT_FALSE(status().valve1());
    EXPECT_TRUE(status().valve2());
    EXPECT_EQ(entryOf(statusLog(), 0, true).code, 512u);  // F1 -> F2
    ask("SFA|");
    EXPECT_TRUE(status().valve1());
    EXPECT_EQ(entryOf(statusLog(), 0, true).code, 1024u);  // F2 -> F1

    ask("SRF|");  // filter 2 stands by: it regenerates, filter 1 keeps the water on
    EXPECT_EQ(status().stage2(), 1);
    EXPECT_TRUE(status().valve1());
    EXPECT_EQ(entryOf(statusLog(), 0, true).code, 16u);
    ask("SFA|");  // nothing stands by now
    EXPECT_TRUE(status().valve1());
}

TEST_F(UnitCommands, StatusHistoryGrowsAsThePlantRegenerates) {
    startPlant(4);
    const std::size_t before = devlink::decodeByte(statusLog(), 0);
    sim->advanceMinutes(3 * 24 * 60);
    const std::string log = statusLog();
    const std::size_t count = devlink::decodeByte(log, 0);
    ASSERT_GT(count, before);
    const Entry newest = entryOf(log, 0, true);
    EXPECT_TRUE(newest.code == 1 || newest.code == 2) << newest.code;
    // A whole filling, and the half hour the used-up filter served on its reserve.
    EXPECT_NEAR(newest.litres, 250.0 / 8.4 * 1000.0 + 600.0, 1.0);
    EXPECT_LE(count, 20u);
}

TEST_F(UnitCommands, StatusHistoryInOneOrTwoAnswers) {
    startPlant(1);
    const std::string whole = ask("DHI|");
    EXPECT_EQ(whole.size(), 4u + 522u + 7u);
    EXPECT_TRUE(whole.starts_with("DHI|"));

    sim->setTwoPartHistory(true);
    const std::string first = ask("DHI|");
    const std::string second = ask("DHI|");
    EXPECT_TRUE(first.starts_with(" HI|"));
    EXPECT_TRUE(second.starts_with("DHI|"));
    EXPECT_EQ(dataOf(first) + dataOf(second), dataOf(whole));
    // Another request in between starts over with the first part.
    ask("DHI|");
    ask("DSI|");
    EXPECT_TRUE(ask("DHI|").starts_with(" HI|"));
}

TEST_F(UnitCommands, ErrorHistoryAndRawLogTexts) {
    startPlant(1);
    const std::string answer = ask("DEI|");
    EXPECT_EQ(answer.size(), 4u + 362u + 7u);
    EXPECT_EQ(devlink::decodeByte(answer, 4), 3);

    // A test can make the unit send any count, even more than it has slots for.
    const std::string raw = "15" + std::string(520, '0');
    sim->setHistoryText(History::Status, raw);
    EXPECT_EQ(dataOf(ask("DHI|")), raw);
    sim->setHistoryText(History::Status, "");
    EXPECT_EQ(devlink::decodeByte(statusLog(), 0), 5);
}

TEST(UnitLogs, ShortFormUnitKeepsTenStatusEntries) {
    Config config;
    config.timeScale = 0.0;
    config.longForm = false;
    Simulator sim(config);
    for (int i = 0; i < 8; ++i) sim.advanceMinutes(5 * 24 * 60);
    EXPECT_EQ(devlink::decodeByte(sim.historyText(History::Status), 0), 10);
}
