// The softener window reading a simulated unit over a pseudo-terminal in
// null-modem operation: status words, messages and button sets per login
// answer.
#include <gtest/gtest.h>

#include <QCheckBox>

#include "devlink/telegram.h"
#include "ksv2_fixture.h"

using testsupport::Ksv2Window;

namespace {

const std::vector<int> kWriteButtons = {1025, 1028, 1029, 1030, 1031, 1032, 1289};
const std::vector<int> kHistoryButtons = {1033, 1293};

}  // namespace

TEST_F(Ksv2Window, ReadButtonLogsInOverTheCable) {
    readyNullModem();
    click(1024);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(statusWords, (QStringList{"BUSY", "OFFLINE", "READ", "OFFLINE"}));
    ASSERT_FALSE(sim->received().empty());
    EXPECT_EQ(sim->received().front().bytes, devlink::frameRequest("CSN|123456|"));
    for (int id : kWriteButtons) EXPECT_TRUE(enabled(id)) << id;
    for (int id : kHistoryButtons) EXPECT_TRUE(enabled(id)) << id;
    EXPECT_TRUE(enabled(1322));
    EXPECT_TRUE(enabled(1024));

    // A changed serial number takes the write button away until the next login.
    QTest::keyClick(edit(1015), Qt::Key_Backspace);
    EXPECT_FALSE(enabled(1025));
    QTest::keyClicks(edit(1015), "6");
    EXPECT_FALSE(enabled(1025));
    click(1024);
    EXPECT_TRUE(enabled(1025));
}

TEST_F(Ksv2Window, EachLoginAnswerGivesItsMessageAndButtons) {
    readyNullModem();
    click(1024);  // reading and writing first, so that every set is on

    sim->setLevel(1);
    click(1024);
    EXPECT_EQ(messages.lastText(), "Keine Schreibberechtigung");
    for (int id : kWriteButtons) EXPECT_FALSE(enabled(id)) << id;
    for (int id : kHistoryButtons) EXPECT_TRUE(enabled(id)) << id;
    EXPECT_TRUE(enabled(1322));

    sim->setLevel(0);
    click(1024);
    EXPECT_EQ(messages.lastText(), "Keine Schreib- und Leseberechtigung");
    for (int id : kHistoryButtons) EXPECT_FALSE(enabled(id)) << id;
    EXPECT_FALSE(enabled(1322));
    EXPECT_TRUE(enabled(1024));

    sim->setLevel(2);
    sim->setSerialNumber("999999");
    click(1024);
    EXPECT_EQ(messages.lastText(), "Bitte die korrekte Seriennummer eingeben");
    EXPECT_TRUE(edit(1015)->hasFocus());

    sim->setFault(unitsim::Fault::WrongChecksum);
    click(1024);
    EXPECT_EQ(
        messages.lastText(),
        QString::fromUtf8("CSN: checksum error, error in transmission (Aquendor\u00AE -> PC)"));
    EXPECT_EQ(messages.shown.back().caption, QString::fromUtf8("Aquendor\u00AE KSV2"));
    sim->setFault(unitsim::Fault::ChecksumEcho);
    click(1024);
    EXPECT_EQ(
        messages.lastText(),
        QString::fromUtf8("CSN: checksum error, error in transmission (PC -> Aquendor\u00AE)"));
    EXPECT_EQ(edit(1013)->text(), "OFFLINE");
}

TEST_F(Ksv2Window, SilentUnitEndsCyclicReading) {
    readyNullModem();
    click(1024);
    auto* interval = shell::controlAs<QCheckBox>(window.get(), 1322);
    click(1322);  // cyclic reading: reads at once and runs the timer
    ASSERT_TRUE(interval->isChecked());
    EXPECT_TRUE(window->intervalTimer().isActive());
    EXPECT_FALSE(enabled(1024));
    EXPECT_FALSE(enabled(1039));
    EXPECT_FALSE(enabled(1037));

    sim->setFault(unitsim::Fault::Silence);
    messages.clear();
    window->intervalTimer().start(5);  // the next tick, without waiting 15 s
    ASSERT_TRUE(testsupport::waitUntil([&] { return !messages.shown.empty(); }));
    EXPECT_EQ(messages.lastText(), "COM2: \u00DCbertragungsfehler");
    EXPECT_FALSE(interval->isChecked());
    EXPECT_FALSE(enabled(1322));
    EXPECT_FALSE(window->intervalTimer().isActive());
    EXPECT_TRUE(enabled(1024));
    EXPECT_TRUE(enabled(1039));
    EXPECT_TRUE(enabled(1037));
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
    EXPECT_TRUE(enabled(1012));
    readyNullModem();
    click(1024);
    EXPECT_TRUE(messages.lastText().startsWith(
        "clear com-buffer failed:\nCOM2 nicht vorhanden oder bereits verwendet !\n" + cause))
        << messages.lastText().toStdString();
}
