// The softener plant over its cycle, read the way the program reads it: every
// plant type passes through each of its states, the regeneration follows the
// stages of the record and a written plant type takes effect at once.
#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "program_side.h"
#include "status_view.h"

using namespace unitsim;
using unitsim_test::RunningUnit;
using unitsim_test::StatusView;

namespace {

// The plant status as the program derives it from stages, valves and
// waiting lamps; "?" for a combination it has no words for.
std::string oneFilterStatus(const StatusView& v) {
    if (v.stage1() != 0) return "regeneration";
    if (v.valve1()) return v.waiting1() ? "service, waiting" : "service";
    return v.waiting1() ? "waiting" : "?";
}

std::string changeOverStatus(const StatusView& v) {
    const int s1 = v.stage1(), s2 = v.stage2();
    if (s1 == 0 && s2 != 0) return "F1 service, F2 regeneration";
    if (s1 != 0 && s2 == 0) return "F1 regeneration, F2 service";
    if (v.valve1() && s2 == 0 && !v.waiting2()) return "F1 service, F2 standby";
    if (v.valve2() && s1 == 0 && !v.waiting1()) return "F1 standby, F2 service";
    if (s1 == 0 && s2 == 0 && v.valve1() && v.waiting2()) return "F1 service, F2 waiting";
    if (s1 == 0 && s2 == 0 && v.valve2() && v.waiting1()) return "F1 waiting, F2 service";
    return "?";
}

std::string twoInServiceStatus(const StatusView& v) {
    const int s1 = v.stage1(), s2 = v.stage2();
    if (s1 == 0 && s2 == 0) return "both in service";
    if (s1 == 0) return "F2 regeneration";
    if (s2 == 0) return "F1 regeneration";
    return "?";
}

std::string plantStatus(int type, const StatusView& v) {
    if (type == 1) return oneFilterStatus(v);
    if (type == 2) return changeOverStatus(v);
    return twoInServiceStatus(v);
}

// What holds in every state of every plant.
void expectConsistent(int type, const StatusView& v, const StatusView& before) {
    EXPECT_FALSE(v.stage1() != 0 && v.stage2() != 0) << "both filters regenerate";
    EXPECT_FALSE(v.stage1() != 0 && v.valve1()) << "filter 1 regenerates in service";
    EXPECT_FALSE(v.stage2() != 0 && v.valve2()) << "filter 2 regenerates in service";
    EXPECT_EQ(v.bit(164, 0), v.stage1() != 0);
    EXPECT_EQ(v.bit(164, 1), v.stage2() != 0);
    EXPECT_TRUE(type != 2 || v.valve1() != v.valve2()) << "a change-over plant has one filter on";
    EXPECT_TRUE(type != 1 || !(v.valve2() || v.waiting2() || v.stage2() != 0));
    EXPECT_GE(v.meter1(), before.meter1());
    EXPECT_GE(v.meter2(), before.meter2());
    EXPECT_TRUE(v.valve1() || before.valve1() || v.meter1() == before.meter1())
        << "meter 1 counts with the service valve closed";
}

// Four days of the plant, looked at every simulated minute.
std::set<std::string> statusesOverCycle(int type) {
    Config config;
    config.plantType = type;
    config.timeScale = 0.0;
    Simulator sim(config);
    std::set<std::string> seen;
    StatusView before(sim.statusArea());
    for (int minute = 0; minute < 4 * 24 * 60; ++minute) {
        sim.advanceMinutes(1.0);
        const StatusView now(sim.statusArea());
        expectConsistent(type, now, before);
        seen.insert(plantStatus(type, now));
        before = now;
        if (::testing::Test::HasFailure()) break;
    }
    return seen;
}

using Statuses = std::set<std::string>;

}  // namespace

TEST(SoftenerPlant, OneFilterServesWaitsAndRegenerates) {
    EXPECT_EQ(statusesOverCycle(1),
              (Statuses{"service", "service, waiting", "waiting", "regeneration"}));
}

TEST(SoftenerPlant, ChangeOverAlternatesItsFilters) {
    EXPECT_EQ(statusesOverCycle(2),
              (Statuses{"F1 service, F2 regeneration", "F1 regeneration, F2 service",
                        "F1 service, F2 standby", "F1 standby, F2 service",
                        "F1 service, F2 waiting", "F1 waiting, F2 service"}));
}

TEST(SoftenerPlant, ParallelAndSerialRegenerateOneFilterAtATime) {
    const Statuses expected{"both in service", "F1 regeneration", "F2 regeneration"};
    EXPECT_EQ(statusesOverCycle(4), expected);
    EXPECT_EQ(statusesOverCycle(8), expected);
}

TEST(SoftenerPlant, RegenerationRunsTheStagesOfTheRecordAndRefillsTheCapacity) {
    Config config;
    config.timeScale = 0.0;
    Simulator sim(config);
    std::string record = sim.parameterRecord();
    devlink::putField(record, 72, devlink::encodeFloat(5.0));  // half an hour of service
    devlink::putField(record, 138, "03");
    devlink::putField(record, 142, "040006");  // 4 minutes, none, 6 minutes
    sim.setParameterRecord(record);
    const auto regenerations = devlink::decodeWord32(sim.statusArea(), 128);

    std::vector<int> stages{0};
    std::map<int, int> longest;  // remaining minutes seen first in each stage
    for (int step = 0; step < 4 * 60 * 4 && stages.size() < 4; ++step) {
        sim.advanceMinutes(0.25);
        const StatusView v(sim.statusArea());
        if (v.stage1() != stages.back()) stages.push_back(v.stage1());
        longest[v.stage1()] = std::max(longest[v.stage1()], v.minutes1());
    }
    EXPECT_EQ(stages, (std::vector<int>{0, 1, 3, 0}));
    EXPECT_EQ(longest[1], 4);
    EXPECT_EQ(longest[3], 6);
    const StatusView after(sim.statusArea());
    EXPECT_EQ(devlink::decodeWord32(after.area, 128), regenerations + 1);
    EXPECT_NEAR(after.residualCapacity(), 5.0, 0.1);
}

TEST(SoftenerPlant, AnHourOfServiceTakesFlowTimesHardness) {
    Config config;
    config.timeScale = 0.0;
    Simulator sim(config);
    const StatusView before(sim.statusArea());
    sim.advanceMinutes(60.0);
    const StatusView after(sim.statusArea());
    EXPECT_NEAR(after.meter1() - before.meter1(), 1200.0, 0.5);  // 1.2 m³/h
    EXPECT_NEAR(before.residualCapacity() - after.residualCapacity(), 1.2 * 8.4, 0.01);
    EXPECT_EQ(devlink::decodeWord32(after.area, 120), devlink::decodeWord32(before.area, 120) + 1);
}

TEST(SoftenerPlant, TimeScaleSpeedsTheClockAndZeroHoldsIt) {
    Simulator sim;
    sim.setTimeScale(0.0);
    const double held = StatusView(sim.statusArea()).meter1();
    usleep(50000);
    EXPECT_EQ(StatusView(sim.statusArea()).meter1(), held);

    sim.setTimeScale(3600.0);  // an hour a second
    usleep(100000);
    EXPECT_GT(StatusView(sim.statusArea()).meter1() - held, 60.0);  // at least three minutes
}

TEST_F(RunningUnit, WrittenPlantTypeTakesEffectAtOnce) {
    Config config;
    config.timeScale = 0.0;
    start(config);
    const auto statusOf = [this] { return StatusView(ask("DSI|").substr(4, 190)); };
    EXPECT_TRUE(statusOf().valve1());
    EXPECT_FALSE(statusOf().valve2());

    std::string record = sim->parameterRecord();
    devlink::putField(record, 108, "04");
    ASSERT_EQ(ask("DPS|" + record + "|"), unitsim_test::withEnd("DPS|CF|68"));
    EXPECT_TRUE(statusOf().valve1());
    EXPECT_TRUE(statusOf().valve2());

    ASSERT_TRUE(sim->setPlantType(2));
    EXPECT_TRUE(statusOf().valve1());
    EXPECT_FALSE(statusOf().valve2());
    EXPECT_EQ(devlink::decodeByte(sim->parameterRecord(), 108), 2);
    EXPECT_FALSE(sim->setPlantType(3));
}
