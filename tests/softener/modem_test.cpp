// The softener window dialling a unit through the emulated Hayes modem over
// a pseudo-terminal: the dial bytes and pauses, the connected button set, a
// read over the modem line, hanging up, and the replies that are no connection.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <chrono>
#include <thread>

#include "ksv2_fixture.h"
#include "resources/ids/ksv2_ids.h"

using namespace ksv2::ids;
using testsupport::Ksv2Window;

namespace {

double msBetween(unitsim::Clock::time_point from, unitsim::Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

const unitsim::ReceivedTelegram* find(const std::vector<unitsim::ReceivedTelegram>& log,
                                      const std::string& bytes) {
    for (const auto& entry : log)
        if (entry.bytes == bytes) return &entry;
    return nullptr;
}

}  // namespace

class Ksv2Modem : public Ksv2Window {
  protected:
    void SetUp() override {
        unitsim::Config config;
        config.modem = true;
        config.dialDelayMs = 100;
        config.guardMs = 300;
        start(config, "AquendorKSV2 english");
        edit(DialNumberEdit)->setText("07111234");
        typeSerial("123456");
        messages.clear();
        statusWords.clear();
    }
};

TEST_F(Ksv2Modem, DialsConnectsReadsAndHangsUp) {
    click(ConnectButton);
    ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    auto log = sim->received();
    const unitsim::ReceivedTelegram* dial = find(log, "ATD07111234\r");
    ASSERT_NE(dial, nullptr);
    const double afterFirstDigit = msBetween(dial->byteTimes[3], dial->byteTimes[4]);
    const double span = msBetween(dial->byteTimes.front(), dial->byteTimes.back());
    std::printf("dial: %.1f ms after the first digit, %.1f ms in all\n", afterFirstDigit, span);
    // The times are those the unit read the bytes at: a busy machine may read
    // the fourth late, which shortens the gap it sees, never lengthens it. A
    // dial without its 2 s pause, or with half of it, still shows.
    EXPECT_GE(afterFirstDigit, 1900.0);
    EXPECT_GE(span, afterFirstDigit);
    EXPECT_EQ(statusWords.back(), "ONLINE");
    EXPECT_EQ(edit(StatusEdit)->palette().color(QPalette::Text), QColor(0, 120, 0));
    EXPECT_TRUE(window->session().connected);
    EXPECT_FALSE(enabled(ConnectButton));
    EXPECT_TRUE(enabled(DisconnectButton));
    EXPECT_TRUE(enabled(ReadButton));
    EXPECT_FALSE(enabled(ModemRadio));
    EXPECT_FALSE(enabled(NullModemRadio));

    click(ReadButton);  // login and read over the modem line
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_TRUE(window->parameterRecord().complete());
    EXPECT_EQ(edit(StatusEdit)->text(), "ONLINE");
    EXPECT_TRUE(enabled(WriteButton));

    click(DisconnectButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    log = sim->received();
    const unitsim::ReceivedTelegram* escape = find(log, "+++");
    const unitsim::ReceivedTelegram* hangUp = find(log, "ATH\r");
    ASSERT_NE(escape, nullptr);
    ASSERT_NE(hangUp, nullptr);
    const auto& lastTelegram = log[log.size() - 3];  // the read's last request
    // The guard times of 1 s around "+++", as the unit saw them.
    EXPECT_GE(msBetween(lastTelegram.byteTimes.back(), escape->byteTimes.front()), 950.0);
    EXPECT_GE(msBetween(escape->byteTimes.back(), hangUp->byteTimes.front()), 950.0);
    EXPECT_EQ(edit(StatusEdit)->text(), "OFFLINE");
    EXPECT_FALSE(window->session().connected);
    EXPECT_TRUE(enabled(ConnectButton));
    EXPECT_FALSE(enabled(DisconnectButton));
    EXPECT_FALSE(enabled(ReadButton));
    EXPECT_TRUE(enabled(ModemRadio));
    EXPECT_EQ(sim->modemState(), unitsim::ModemState::Idle);
}

TEST_F(Ksv2Modem, NoCarrierEndsTheAttempt) {
    sim->setDialOutcome(unitsim::ModemOutcome::NoCarrier);
    click(ConnectButton);
    EXPECT_EQ(messages.lastText(), "NO CARRIER");
    EXPECT_EQ(messages.shown.back().caption, QString::fromUtf8("Aquendor\u00AE KSV2"));
    EXPECT_EQ(edit(StatusEdit)->text(), "OFFLINE");
    EXPECT_TRUE(enabled(ConnectButton));
    EXPECT_FALSE(window->session().connected);
}

TEST_F(Ksv2Modem, ConnectWithALineSpeedIsNotAConnection) {
    sim->setDialOutcome(unitsim::ModemOutcome::ConnectWithSpeed);
    // The program keeps waiting after "CONNECT 19200"; the carrier then drops.
    std::thread dropper([this] {
        for (int i = 0; i < 400 && sim->modemState() != unitsim::ModemState::Online; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        sim->dropCarrier();
    });
    click(ConnectButton);
    dropper.join();
    EXPECT_EQ(messages.lastText(), "NO CARRIER");
    EXPECT_FALSE(window->session().connected);
    EXPECT_TRUE(enabled(ConnectButton));
}

TEST_F(Ksv2Modem, FailedEscapeLeavesTheLineUp) {
    click(ConnectButton);
    ASSERT_TRUE(window->session().connected);
    sim->setEscapeResponse(unitsim::EscapeResponse::Garbage);
    click(DisconnectButton);
    EXPECT_EQ(messages.lastText(),
              "bufferoverflow +++:\ntry disconnect again or quit the program and switch off the "
              "modem!");
    EXPECT_TRUE(window->session().connected);
    EXPECT_TRUE(enabled(DisconnectButton));
    EXPECT_FALSE(enabled(ConnectButton));
}

TEST_F(Ksv2Modem, EmptyDialNumberIsRefused) {
    edit(DialNumberEdit)->clear();
    click(ConnectButton);
    EXPECT_EQ(messages.lastText(), "no dialnumber inscribed !");
    EXPECT_TRUE(edit(DialNumberEdit)->hasFocus());
    EXPECT_TRUE(sim->received().empty());
}
