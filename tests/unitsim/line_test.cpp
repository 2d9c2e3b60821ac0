// The line itself: the COM binding, a program reopening the port, the
// log of received bytes and the pacing at a baud rate.
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "program_side.h"

using namespace unitsim;
using unitsim_test::ProgramSide;
using unitsim_test::RunningUnit;
using unitsim_test::withEnd;

namespace {

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

}  // namespace

TEST(ComBinding, LinkPointsToTheLineUntilTheSimulatorEnds) {
    char pattern[] = "/tmp/unitsim-test-XXXXXX";
    const std::string folder = std::string(mkdtemp(pattern)) + "/ports";
    const std::string link = folder + "/COM5";
    {
        Simulator sim;
        ASSERT_TRUE(sim.open());
        ASSERT_TRUE(sim.bindComName(folder, "COM5"));
        ASSERT_TRUE(sim.bindComName(folder, "COM5"));  // replaces its own link
        EXPECT_EQ(std::filesystem::read_symlink(link).string(), sim.devicePath());
        sim.start();
        ProgramSide program(link);
        EXPECT_EQ(program.ask("CSN|123456|"), withEnd("CSN|2|0E"));
    }
    struct stat info {};
    EXPECT_NE(lstat(link.c_str(), &info), 0);
    std::filesystem::remove_all(std::filesystem::path(folder).parent_path());
}

TEST_F(RunningUnit, ProgramClosingAndReopeningThePortIsStillAnswered) {
    start(Config{});
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|2|0E"));
    for (int i = 0; i < 3; ++i) {
        program->reopen();
        ASSERT_TRUE(program->isOpen());
        EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|2|0E"));
    }
}

TEST_F(RunningUnit, ReceivedTelegramsAreLoggedWithEveryByteTime) {
    start(Config{});
    ask("CSN|123456|");
    program->send(withEnd("garbage"));
    ask("DSI|");
    const auto received = sim->received();
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0].bytes, devlink::frameRequest("CSN|123456|"));
    EXPECT_EQ(received[1].bytes, withEnd("garbage"));  // logged, never answered
    EXPECT_EQ(received[2].bytes, devlink::frameRequest("DSI|"));
    for (const auto& telegram : received)
        EXPECT_EQ(telegram.byteTimes.size(), telegram.bytes.size());
    sim->clearReceived();
    EXPECT_TRUE(sim->received().empty());
}

TEST_F(RunningUnit, PacedLineTakesACharacterTimeForEveryByte) {
    Config config;
    config.baud = 19200;
    start(config);
    const auto before = Clock::now();
    const std::string answer = ask("DPI|");
    const double answerMs = msBetween(before, Clock::now());
    ASSERT_EQ(answer.size(), 415u);
    // 415 bytes of ten bits at 19200 baud: 216 ms at the very least.
    EXPECT_GE(answerMs, 415 * 10 * 1000.0 / 19200 - 1);

    // A request written in one go still arrives byte after byte.
    const auto times = sim->received().at(0).byteTimes;
    EXPECT_GE(msBetween(times.front(), times.back()), 6 * 10 * 1000.0 / 19200 - 0.01);
}
