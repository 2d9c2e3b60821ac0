// The modem's command mode and escape rules at exact times: the bytes are
// fed with arrival times of the test's choosing instead of a real line.
#include <gtest/gtest.h>

#include "tools/unitsim/hayes_modem.h"

using namespace unitsim;

namespace {

constexpr std::int64_t kMs = 1000;
constexpr std::int64_t kGuard = 1000 * kMs;

class ModemAtTimes : public ::testing::Test {
  protected:
    ModemAtTimes() : modem(config()) {}

    static Config config() {
        Config config;
        config.modem = true;
        config.dialDelayMs = 100;
        return config;
    }

    // The bytes one millisecond apart from `atUs`; the time after the last.
    std::int64_t feed(const std::string& bytes, std::int64_t atUs) {
        for (const char byte : bytes) {
            modem.receive(byte, atUs);
            atUs += kMs;
        }
        return atUs;
    }

    // Online since shortly before time 0.
    void connect() {
        feed("ATD1\r", -200 * kMs);
        modem.tick(0);
        ASSERT_EQ(modem.take().reply, "CONNECT\r\n");
        ASSERT_EQ(modem.state(), ModemState::Online);
    }

    std::string reply() { return modem.take().reply; }

    HayesModem modem;
};

}  // namespace

TEST_F(ModemAtTimes, EscapeNeedsSilenceBeforeCloseSpacingAndSilenceAfter) {
    connect();
    // Too soon after the last byte.
    modem.tick(feed("A+++", kGuard) + kGuard);
    EXPECT_EQ(modem.take().data.bytes, "A+++");
    // The pluses too far apart: data after all, with the times they came.
    const std::int64_t start = 5 * kGuard;
    feed("+", start);
    feed("++", start + kGuard);
    modem.tick(start + 3 * kGuard);
    ModemOutput out = modem.take();
    EXPECT_EQ(out.data.bytes, "+++");
    EXPECT_EQ(out.data.arrivalUs,
              (std::vector<std::int64_t>{start, start + kGuard, start + kGuard + kMs}));
    EXPECT_TRUE(out.commands.empty());
    // Something right after the third.
    feed("+++x", 10 * kGuard);
    modem.tick(12 * kGuard);
    EXPECT_EQ(modem.take().data.bytes, "+++x");
    EXPECT_EQ(modem.state(), ModemState::Online);
}

TEST_F(ModemAtTimes, EscapeTakesEffectOnlyOnceTheGuardAfterItHasPassed) {
    connect();
    const std::int64_t last = feed("+++", kGuard) - kMs;
    modem.tick(last + kGuard - 1);
    EXPECT_EQ(modem.state(), ModemState::Online);
    EXPECT_EQ(modem.deadlineUs(), last + kGuard);
    modem.tick(last + kGuard);
    const ModemOutput out = modem.take();
    EXPECT_EQ(modem.state(), ModemState::OnlineCommand);
    EXPECT_EQ(out.reply, "OK\r\n");
    ASSERT_EQ(out.commands.size(), 1u);
    EXPECT_EQ(out.commands[0].bytes, "+++");
    EXPECT_TRUE(out.data.bytes.empty());
}

TEST_F(ModemAtTimes, ByteAfterTheGuardFindsTheEscapeDoneWithoutATick) {
    connect();
    feed("+++", kGuard);
    feed("ATO\r", 3 * kGuard);
    EXPECT_EQ(reply(), "OK\r\nCONNECT\r\n");
    EXPECT_EQ(modem.state(), ModemState::Online);
}

TEST_F(ModemAtTimes, CommandModeAnswers) {
    feed("ATZ\rate0v1\rHELLO\rATO\r", 0);
    EXPECT_EQ(reply(), "OK\r\nOK\r\nERROR\r\nNO CARRIER\r\n");
    // An escape sent to a modem already in command mode and a line feed
    // after the CR are ignored.
    feed("+++ath\r\n", 0);
    EXPECT_EQ(reply(), "OK\r\n");
    feed("AT" + std::string(100, 'S') + "\r", 0);
    EXPECT_EQ(reply(), "ERROR\r\n");
    feed("ATDX\r", 0);
    EXPECT_EQ(reply(), "ERROR\r\n");
    EXPECT_EQ(modem.state(), ModemState::Idle);

    Config echoing = config();
    echoing.modemEcho = true;
    HayesModem echo(echoing);
    for (const char byte : std::string("AT\r")) echo.receive(byte, 0);
    EXPECT_EQ(echo.take().reply, "AT\rOK\r\n");
}

TEST_F(ModemAtTimes, ByteWhileDiallingAbortsTheCall) {
    feed("atdt0711\r", 0);
    EXPECT_EQ(modem.state(), ModemState::Dialling);
    EXPECT_EQ(modem.dialledNumber(), "0711");
    feed("\r", 50 * kMs);
    EXPECT_EQ(reply(), "NO CARRIER\r\n");
    modem.tick(kGuard);
    EXPECT_EQ(modem.state(), ModemState::Idle);
    EXPECT_EQ(reply(), "");
}
