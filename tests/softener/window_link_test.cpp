// The softener window reading a simulated unit over a pseudo-terminal in
// null-modem operation: status words, messages and button sets per login
// answer.
#include <gtest/gtest.h>

#include <QCheckBox>

#include "devlink/telegram.h"
#include "ksv2_fixture.h"
#include "resources/ids/ksv2_ids.h"

using namespace ksv2::ids;
using testsupport::Ksv2Window;

namespace {

const std::vector<int> kWriteButtons = {WriteButton,        QuitErrorButton,     ResetButton,
                                        RegenerationButton, ReserveFilterButton, ChangeFilterButton,
                                        SetClockButton};
const std::vector<int> kHistoryButtons = {ErrorHistoryButton, StatusHistoryButton};

}  // namespace

TEST_F(Ksv2Window, ReadButtonLogsInOverTheCable) {
    readyNullModem();
    click(ReadButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(statusWords, (QStringList{"BUSY", "OFFLINE", "READ", "OFFLINE"}));
    ASSERT_FALSE(sim->received().empty());
    EXPECT_EQ(sim->received().front().bytes, devlink::frameRequest("CSN|123456|"));
    for (int id : kWriteButtons) EXPECT_TRUE(enabled(id)) << id;
    for (int id : kHistoryButtons) EXPECT_TRUE(enabled(id)) << id;
    EXPECT_TRUE(enabled(IntervalReadingCheck));
    EXPECT_TRUE(enabled(ReadButton));

    // A changed serial number takes the write button away until the next login.
    QTest::keyClick(edit(SerialNumberEdit), Qt::Key_Backspace);
    EXPECT_FALSE(enabled(WriteButton));
    QTest::keyClicks(edit(SerialNumberEdit), "6");
    EXPECT_FALSE(enabled(WriteButton));
    click(ReadButton);
    EXPECT_TRUE(enabled(WriteButton));
}

TEST_F(Ksv2Window, EachLoginAnswerGivesItsMessageAndButtons) {
    readyNullModem();
    click(ReadButton);  // reading and writing first, so that every set is on

    sim->setLevel(1);
    click(ReadButton);
    EXPECT_EQ(messages.lastText(), "Keine Schreibberechtigung");
    for (int id : kWriteButtons) EXPECT_FALSE(enabled(id)) << id;
    for (int id : kHistoryButtons) EXPECT_TRUE(enabled(id)) << id;
    EXPECT_TRUE(enabled(IntervalReadingCheck));

    sim->setLevel(0);
    click(ReadButton);
    EXPECT_EQ(messages.lastText(), "Keine Schreib- und Leseberechtigung");
    for (int id : kHistoryButtons) EXPECT_FALSE(enabled(id)) << id;
    EXPECT_FALSE(enabled(IntervalReadingCheck));
    EXPECT_TRUE(enabled(ReadButton));

    sim->setLevel(2);
    sim->setSerialNumber("999999");
    click(ReadButton);
    EXPECT_EQ(messages.lastText(), "Bitte die korrekte Seriennummer eingeben");
    EXPECT_TRUE(edit(SerialNumberEdit)->hasFocus());

    sim->setFault(unitsim::Fault::WrongChecksum);
    click(ReadButton);
    EXPECT_EQ(
        messages.lastText(),
        QString::fromUtf8("CSN: checksum error, error in transmission (Aquendor\u00AE -> PC)"));
    EXPECT_EQ(messages.shown.back().caption, QString::fromUtf8("Aquendor\u00AE KSV2"));
    sim->setFault(unitsim::Fault::ChecksumEcho);
    click(ReadButton);
    EXPECT_EQ(
        messages.lastText(),
        QString::fromUtf8("CSN: checksum error, error in transmission (PC -> Aquendor\u00AE)"));
    EXPECT_EQ(edit(StatusEdit)->text(), "OFFLINE");
}

TEST_F(Ksv2Window, SilentUnitEndsCyclicReading) {
    readyNullModem();
    click(ReadButton);
    auto* interval = shell::controlAs<QCheckBox>(window.get(), IntervalReadingCheck);
    click(IntervalReadingCheck);  // cyclic reading: reads at once and runs the timer
    ASSERT_TRUE(interval->isChecked());
    EXPECT_TRUE(window->intervalTimer().isActive());
    EXPECT_FALSE(enabled(ReadButton));
    EXPECT_FALSE(enabled(Baud9600Radio));
    EXPECT_FALSE(enabled(ModemRadio));

    sim->setFault(unitsim::Fault::Silence);
    messages.clear();
    window->intervalTimer().start(5);  // the next tick, without waiting 15 s
    ASSERT_TRUE(testsupport::waitUntil([&] { return !messages.shown.empty(); }));
    EXPECT_EQ(messages.lastText(), "COM2: \u00DCbertragungsfehler");
    EXPECT_FALSE(interval->isChecked());
    EXPECT_FALSE(enabled(IntervalReadingCheck));
    EXPECT_FALSE(window->intervalTimer().isActive());
    EXPECT_TRUE(enabled(ReadButton));
    EXPECT_TRUE(enabled(Baud9600Radio));
    EXPECT_TRUE(enabled(ModemRadio));
}

TEST_F(Ksv2Window, PortThatCannotBeOpenedLeavesTheWindowUsable) {
    window.reset();
    messages.clear();
    unlink((ports.path() + "/COM2").c_str());
    ASSERT_EQ(symlink("/dev/nonexistent-port", (ports.path() + "/COM2").c_str()), 0);
    window = std::make_unique<CAquendorKSV2Dlg>(messages);
    ASSERT_TRUE(window->startUp("AquendorKSV2"));
    const QString cause =
        QString::fromStdString(ports.path()) +
        QString::fromUtf8("/COM2 -> /dev/nonexistent-port: Ger\u00E4t nicht vorhanden.");
    EXPECT_TRUE(
        messages.lastText().startsWith("COM2 konnte nicht ge\u00F6ffnet werden !\n" + cause))
        << messages.lastText().toStdString();
    EXPECT_FALSE(window->port().isOpen());
    EXPECT_TRUE(enabled(ComDigitEdit));
    readyNullModem();
    click(ReadButton);
    EXPECT_TRUE(messages.lastText().startsWith(
        "clear com-buffer failed:\nCOM2 nicht vorhanden oder bereits verwendet !\n" + cause))
        << messages.lastText().toStdString();
}
