// The six command buttons of the softener window against the simulator:
// the telegram each sends, what follows it (a read of the unit or
// nothing), the reset question and wait, and the failures of the exchange.
#include <gtest/gtest.h>

#include "devlink/delay.h"
#include "devlink/fields.h"
#include "devlink/telegram.h"
#include "history_support.h"
#include "ksv2_fixture.h"
#include "resources/ids/ksv2_ids.h"
#include "softener/ksv2_unit_functions.h"
#include "telegrams.h"

using namespace ksv2::ids;
using testsupport::framed;
using testsupport::join;
using testsupport::kLogin;
using testsupport::kReadAll;
using testsupport::Ksv2Window;

namespace {

double msBetween(unitsim::Clock::time_point from, unitsim::Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

}  // namespace

class Ksv2Commands : public Ksv2Window {
  protected:
    // Read once with full access, so that the command buttons are usable.
    void logIn() {
        readyNullModem();
        click(ReadButton);
        ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
        sim->clearReceived();
        statusWords.clear();
    }
    // The reset's 4 s pause ends as soon as the unit has taken the whole
    // telegram and answered it.
    testsupport::SkippingClock clock;
    controller::UnitCommands& commands() {
        return window->findChild<softener::Ksv2UnitFunctions*>()->commands();
    }
    std::vector<std::string> telegrams() const { return testsupport::telegramsOf(*sim); }
    bool unitAlarmLamp() const { return devlink::decodeByte(sim->statusArea(), 164) & 0x80; }
};

TEST_F(Ksv2Commands, AcknowledgeErrorSendsSeqAndReadsTheUnitAgain) {
    sim->raiseAlarm(true);
    logIn();
    click(QuitErrorButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(telegrams(), join({kLogin, "SEQ|65\x04"}, kReadAll));
    EXPECT_FALSE(unitAlarmLamp());
    EXPECT_EQ(statusWords.mid(0, 4), (QStringList{"BUSY", "OFFLINE", "WRITE", "OFFLINE"}));
    EXPECT_EQ(statusWords.back(), "OFFLINE");
}

TEST_F(Ksv2Commands, RegenerationAndFilterCommandsSendTheirTelegramAndNothingElse) {
    sim->setTimeScale(0);
    logIn();
    const std::pair<int, std::string> cases[] = {{RegenerationButton, "SRS|74\x04"},
                                                 {ReserveFilterButton, "SRF|67\x04"},
                                                 {ChangeFilterButton, "SFA|56\x04"}};
    for (const auto& [control, telegram] : cases) {
        sim->clearReceived();
        statusWords.clear();
        click(control);
        EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
        EXPECT_EQ(telegrams(), (std::vector<std::string>{kLogin, telegram})) << control;
        EXPECT_EQ(statusWords, (QStringList{"BUSY", "OFFLINE", "WRITE", "OFFLINE"}));
    }
    // The page shows the unit's state only after the next read.
    EXPECT_EQ(devlink::decodeByte(sim->statusArea(), 172), 1);  // SRS started a regeneration
    EXPECT_EQ(shell::controlAs<QLineEdit>(window->infoPage(), PlantStatusEdit)->text(),
              "F1 Betrieb");
}

TEST_F(Ksv2Commands, SetClockSendsThePcClockOfOneMomentAndTheUnitFollows) {
    logIn();
    int readings = 0;
    commands().clock = [&readings] {
        ++readings;
        return testsupport::moment(2009, 12, 31, 23, 59, 59);
    };
    click(SetClockButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(readings, 1);
    EXPECT_EQ(telegrams(), join({kLogin, "STS|3112092359|F5\x04"}, kReadAll));
    // The read after the command shows the unit's new clock as its last access.
    EXPECT_EQ(shell::controlAs<QLineEdit>(window->infoPage(), LastAccessEdit)->text(),
              "31.12.09 23:59");
}

TEST_F(Ksv2Commands, ResetAnsweredNoSendsNothing) {
    logIn();
    window->SetStatusText("WRITE");  // so that the refresh shows
    click(ResetButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    const shell::Message& question = messages.shown[0];
    EXPECT_EQ(question.text, QString::fromUtf8("Steuerung wirklich zur\u00FCcksetzen ?"));
    EXPECT_EQ(question.caption, QString::fromUtf8("Aquendor\u00AE KSV2"));
    EXPECT_EQ(question.icon, shell::MessageIcon::Stop);
    EXPECT_EQ(question.buttons, shell::MessageButtons::YesNo);
    EXPECT_TRUE(question.keepOnTop);
    EXPECT_TRUE(telegrams().empty());
    EXPECT_EQ(statusWords, (QStringList{"WRITE", "OFFLINE"}));
}

TEST_F(Ksv2Commands, ResetWaitsForTheRestartReadsAndThenSaysSo) {
    sim->raiseAlarm(true);
    logIn();
    messages.answers = {shell::MessageAnswer::Yes};
    click(ResetButton);
    // The unit's answer to RST is never read: the next login purges it.
    const auto received = sim->received();
    ASSERT_EQ(telegrams(), join({kLogin, "RST|75\x04"}, kReadAll));
    EXPECT_GE(msBetween(received[1].byteTimes.back(), received[2].byteTimes.front()), 3900.0);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.lastText(),
              QString::fromUtf8("KSV2 zur\u00FCckgesetzt, wenn Alarm-LED (Hupe) leuchtet"));
    EXPECT_EQ(messages.shown.back().caption, QString::fromUtf8("Aquendor\u00AE KSV2"));
    EXPECT_FALSE(unitAlarmLamp());
}

TEST_F(Ksv2Commands, ResetWhoseReadFailsShowsOnlyTheReadsMessage) {
    logIn();
    messages.answers = {shell::MessageAnswer::Yes};
    std::vector<unsigned> waits;
    commands().wait = [this, &waits](unsigned ms) {
        waits.push_back(ms);
        // The unit has taken RST and answered it; then its answers go wrong.
        ASSERT_TRUE(sim->waitForReceived(2));
        ASSERT_TRUE(sim->waitUntilIdle());
        sim->setFault(unitsim::Fault::WrongChecksum);
    };
    click(ResetButton);
    EXPECT_EQ(waits, (std::vector<unsigned>{4000}));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(
        messages.lastText(),
        QString::fromUtf8("CSN: checksum error, error in transmission (Aquendor\u00AE -> PC)"));
}

TEST_F(Ksv2Commands, FailedExchangesNameTheCommandAndReadNothing) {
    logIn();
    sim->queueRawAnswer(framed("CSN|2|"));
    sim->queueRawAnswer(devlink::checksumEcho("SFA"));
    click(ChangeFilterButton);
    EXPECT_EQ(
        messages.lastText(),
        QString::fromUtf8("SFA: checksum error, error in transmission (PC -> Aquendor\u00AE)"));
    EXPECT_EQ(messages.shown.back().caption, QString::fromUtf8("Aquendor\u00AE KSV2"));

    sim->clearReceived();
    sim->queueRawAnswer(framed("CSN|2|"));
    sim->queueRawAnswer("SEQ|CF|00\x04");  // wrong checksum
    click(QuitErrorButton);
    EXPECT_EQ(
        messages.lastText(),
        QString::fromUtf8("SEQ: checksum error, error in transmission (Aquendor\u00AE -> PC)"));
    EXPECT_EQ(telegrams(), (std::vector<std::string>{kLogin, "SEQ|65\x04"}));

    // Reading only: the login refuses, the command is never sent.
    sim->clearReceived();
    sim->setLevel(1);
    click(SetClockButton);
    EXPECT_EQ(messages.lastText(), "Keine Schreibberechtigung");
    EXPECT_EQ(telegrams(), (std::vector<std::string>{kLogin}));
}

TEST_F(Ksv2Commands, EnglishResetTexts) {
    window.reset();
    sim.reset();
    start(unitsim::Config{}, "AquendorKSV2 english");
    logIn();
    messages.answers = {shell::MessageAnswer::Yes};
    click(ResetButton);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "Are you shure to RESET the unit ?");
    EXPECT_EQ(messages.shown[1].text, "KSV2 reset is o.k. if error-LED (horn) is on");
}
