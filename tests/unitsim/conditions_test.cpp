// Conditions put on the softener from outside (stop input, alarm, chemicals
// low), pinned status bytes, and the status answer as it goes over the line.
#include <ctime>

#include "program_side.h"
#include "status_view.h"

using namespace unitsim;
using unitsim_test::RunningUnit;
using unitsim_test::StatusView;

namespace {

Config heldClock() {
    Config config;
    config.timeScale = 0.0;
    return config;
}

}  // namespace

TEST(SoftenerConditions, StopInputHoldsThePlantUntilOpened) {
    Simulator sim(heldClock());
    sim.setStopInput(true);
    const StatusView stopped(sim.statusArea());
    EXPECT_TRUE(stopped.stopInput());
    EXPECT_FALSE(stopped.bit(164, 4)) << "no water flows";
    sim.advanceMinutes(120.0);
    EXPECT_EQ(StatusView(sim.statusArea()).meter1(), stopped.meter1());

    sim.setStopInput(false);
    sim.advanceMinutes(10.0);
    const StatusView running(sim.statusArea());
    EXPECT_FALSE(running.stopInput());
    EXPECT_TRUE(running.bit(164, 4));
    EXPECT_GT(running.meter1(), stopped.meter1());
}

TEST(SoftenerConditions, AlarmLightsRelayLampAndBlinkingAndChemicalsTheirLamp) {
    Simulator sim(heldClock());
    const StatusView quiet(sim.statusArea());
    EXPECT_FALSE(quiet.bit(164, 7) || quiet.bit(162, 0) || quiet.bit(186, 7) || quiet.bit(164, 6));

    sim.raiseAlarm(true);
    sim.setChemicalsLow(true);
    const StatusView alarmed(sim.statusArea());
    EXPECT_TRUE(alarmed.bit(164, 7));  // red lamp
    EXPECT_TRUE(alarmed.bit(162, 0));  // alarm relay
    EXPECT_TRUE(alarmed.bit(186, 7));  // blinking
    EXPECT_TRUE(alarmed.bit(164, 6));  // chemicals container
    EXPECT_EQ(alarmed.byte(172), quiet.byte(172)) << "the plant itself goes on as before";

    sim.raiseAlarm(false);
    const StatusView cleared(sim.statusArea());
    EXPECT_FALSE(cleared.bit(164, 7) || cleared.bit(162, 0) || cleared.bit(186, 7));
    EXPECT_TRUE(cleared.bit(164, 6));
}

TEST(SoftenerConditions, PinnedBytesHoldThroughTheCycleUntilCleared) {
    Simulator sim(heldClock());
    ASSERT_TRUE(sim.overrideStatusByte(172, 0x03));
    ASSERT_TRUE(sim.overrideStatusByte(186, 0x02));
    EXPECT_FALSE(sim.overrideStatusByte(189, 0x01));  // would run past the area
    const double meter = StatusView(sim.statusArea()).meter1();
    for (int hour = 0; hour < 30; ++hour) {
        sim.advanceMinutes(60.0);
        const StatusView v(sim.statusArea());
        ASSERT_EQ(v.stage1(), 3);
        ASSERT_EQ(v.byte(186), 0x02);
    }
    EXPECT_GT(StatusView(sim.statusArea()).meter1(), meter) << "unpinned bytes still change";

    sim.clearStatusOverrides();
    EXPECT_EQ(StatusView(sim.statusArea()).byte(186) & 0x02, 0);
}

TEST_F(RunningUnit, EveryStatusAnswerIsWellFormedWhateverThePlantDoes) {
    Config config;
    config.plantType = 2;
    config.timeScale = 0.0;
    start(config);
    sim->overrideStatusByte(188, 0xFF);  // pins the spare byte too
    for (int i = 0; i < 40; ++i) {
        sim->advanceMinutes(97.0);
        if (i % 7 == 0) sim->raiseAlarm(i % 2 == 0);
        const std::string answer = ask("DSI|");
        ASSERT_EQ(answer.size(), 4u + 190 + 1 + 2 + 1);
        EXPECT_EQ(answer.substr(0, 4), "DSI|");
        EXPECT_EQ(answer[194], '|');
        EXPECT_TRUE(devlink::verifyAnswer(answer.c_str())) << answer;
    }

    // The last access is the unit's own time of day.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const StatusView v(ask("DSI|").substr(4, 190));
    EXPECT_EQ(v.byte(156), local.tm_mon + 1);
    EXPECT_EQ(v.byte(158), local.tm_year % 100);
}
