// The modem in front of the unit, on the line as the operator programs use
// it: dialling, telegrams while connected, the escape with its guard times,
// hanging up, and the modem's faults.
#include "program_side.h"

using namespace unitsim;
using unitsim_test::RunningUnit;
using unitsim_test::withEnd;

namespace {

constexpr int kDialDelayMs = 100;
constexpr int kGuardMs = 200;

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

void pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

class ModemLine : public RunningUnit {
  protected:
    static Config modemConfig() {
        Config config;
        config.modem = true;
        config.dialDelayMs = kDialDelayMs;
        config.guardMs = kGuardMs;
        return config;
    }

    void SetUp() override { start(modemConfig()); }

    // Dials as the programs do, with the pause after the first digit shortened.
    std::string dial(const std::string& number = "0711") {
        program->sendSlowly("ATD" + number + "\r", 1, 4, 50);
        return program->readUntil("\r\n", kDialDelayMs + 400);
    }

    // "+++" after the guard time of silence; the answer up to its CR LF.
    std::string escape() {
        pause(kGuardMs + 50);
        program->sendSlowly("+++");
        return program->readUntil("\r\n", kGuardMs + 400);
    }

    std::string command(const std::string& line) {
        program->sendSlowly(line + "\r");
        return program->readUntil("\r\n");
    }
};

}  // namespace

TEST_F(ModemLine, ProgramDialsLogsInEscapesAndHangsUp) {
    EXPECT_EQ(sim->modemState(), ModemState::Idle);
    EXPECT_EQ(dial("07114711"), "CONNECT\r\n");
    EXPECT_EQ(sim->modemState(), ModemState::Online);
    EXPECT_EQ(sim->dialledNumber(), "07114711");
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|2|0E"));
    EXPECT_EQ(ask("DSI|").size(), 198u);

    EXPECT_EQ(escape(), "OK\r\n");
    EXPECT_EQ(sim->modemState(), ModemState::OnlineCommand);
    EXPECT_EQ(command("ATH"), "OK\r\n");
    EXPECT_EQ(sim->modemState(), ModemState::Idle);

    const auto received = sim->received();
    ASSERT_EQ(received.size(), 5u);
    EXPECT_EQ(received[0].bytes, "ATD07114711\r");
    EXPECT_EQ(received[1].bytes, devlink::frameRequest("CSN|123456|"));
    EXPECT_EQ(received[2].bytes, devlink::frameRequest("DSI|"));
    EXPECT_EQ(received[3].bytes, "+++");
    EXPECT_EQ(received[4].bytes, "ATH\r");
    for (const auto& entry : received) EXPECT_EQ(entry.byteTimes.size(), entry.bytes.size());
}

TEST_F(ModemLine, DialCommandIsLoggedWithTheTimeOfEveryByte) {
    program->sendSlowly("ATD0", 2);
    ASSERT_TRUE(sim->waitUntilIdle());  // the modem has read the first four bytes
    const auto pauseBegan = Clock::now();
    pause(150);
    const auto restSent = Clock::now();
    program->sendSlowly("711\r", 2);
    const auto sent = Clock::now();
    EXPECT_EQ(program->readUntil("\r\n", kDialDelayMs + 1000), "CONNECT\r\n");
    EXPECT_GE(msBetween(sent, Clock::now()), kDialDelayMs - 5);

    const auto received = sim->received();
    ASSERT_EQ(received.size(), 1u);
    ASSERT_EQ(received[0].bytes, "ATD0711\r");
    // The times are those the bytes were read at, not the time the line was
    // complete nor that of its first byte: the pause lies between the fourth
    // and the fifth, however late a busy machine read either.
    const auto& times = received[0].byteTimes;
    ASSERT_EQ(times.size(), 8u);
    for (std::size_t i = 1; i < times.size(); ++i)
        EXPECT_GE(msBetween(times[i - 1], times[i]), 0.0) << "before byte " << i + 1;
    EXPECT_LE(times[3], pauseBegan);
    EXPECT_GE(times[4], restSent);
    EXPECT_GE(msBetween(times[3], times[4]), 150.0);
}

// Only the silence around it makes "+++" an escape; without it the
// characters belong to the data and reach the unit.
TEST_F(ModemLine, PlusesWithoutTheGuardTimesGoToTheUnit) {
    ASSERT_EQ(dial(), "CONNECT\r\n");
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|2|0E"));
    program->send("+++");  // at once after the answer: no silence before
    EXPECT_EQ(program->readUntil("\r\n", kGuardMs + 300), "");
    EXPECT_EQ(sim->modemState(), ModemState::Online);

    pause(kGuardMs + 50);
    program->send("+++" + devlink::frameRequest("CSN|123456|"));  // no silence after
    EXPECT_EQ(program->read(kGuardMs + 300), "");                 // not a telegram the unit answers
    EXPECT_EQ(sim->modemState(), ModemState::Online);
    const auto received = sim->received();
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[2].bytes, "++++++" + devlink::frameRequest("CSN|123456|"));
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|2|0E"));
}

TEST_F(ModemLine, DialOutcomesAsConfigured) {
    const std::pair<ModemOutcome, std::string> failures[] = {
        {ModemOutcome::NoCarrier, "NO CARRIER\r\n"},
        {ModemOutcome::Busy, "BUSY\r\n"},
        {ModemOutcome::Silent, ""},
    };
    for (const auto& [outcome, answer] : failures) {
        sim->setDialOutcome(outcome);
        EXPECT_EQ(dial(), answer);
        EXPECT_EQ(sim->modemState(), ModemState::Idle);
    }
    // Online, though a program waiting for the bare "CONNECT" does not see it.
    sim->setDialOutcome(ModemOutcome::ConnectWithSpeed);
    EXPECT_EQ(dial(), "CONNECT 19200\r\n");
    EXPECT_EQ(sim->modemState(), ModemState::Online);
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|2|0E"));
}

TEST_F(ModemLine, EscapeAnswerFaultsStillLeaveTheModemInCommandMode) {
    ASSERT_EQ(dial(), "CONNECT\r\n");
    sim->setEscapeResponse(EscapeResponse::Silent);
    EXPECT_EQ(escape(), "");
    EXPECT_EQ(sim->modemState(), ModemState::OnlineCommand);
    EXPECT_EQ(command("ATO"), "CONNECT\r\n");
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|2|0E"));

    sim->setEscapeResponse(EscapeResponse::Garbage);
    const std::string garbage = escape();
    EXPECT_GT(garbage.size(), 30u);
    EXPECT_EQ(garbage.find("OK\r\n"), std::string::npos);
    EXPECT_EQ(garbage.find("NO C"), std::string::npos);
    EXPECT_EQ(command("ATH"), "OK\r\n");
    EXPECT_EQ(sim->modemState(), ModemState::Idle);
}

TEST_F(ModemLine, DroppedCarrierEndsTheConnection) {
    ASSERT_EQ(dial(), "CONNECT\r\n");
    sim->dropCarrier();
    EXPECT_EQ(sim->modemState(), ModemState::Idle);
    EXPECT_EQ(program->readUntil("NO CARRIER\r\n"), "\r\nNO CARRIER\r\n");
    // Telegrams now go to the modem's command mode, not to the unit.
    EXPECT_EQ(command(devlink::frameRequest("CSN|123456|")), "ERROR\r\n");
    EXPECT_EQ(dial(), "CONNECT\r\n");
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|2|0E"));
}

TEST_F(ModemLine, ModemAnswersArePacedAtTheBaudRate) {
    sim->setBaud(9600);
    const auto sent = Clock::now();
    program->send("ATD0711\r");
    EXPECT_EQ(program->readUntil("\r\n", kDialDelayMs + 1000), "CONNECT\r\n");
    // The dial delay, then nine bytes of ten bits at 9600 baud; waiting on a
    // busy machine only adds to it.
    EXPECT_GE(msBetween(sent, Clock::now()), kDialDelayMs + 9 * 10 * 1000.0 / 9600 - 0.5);
}
