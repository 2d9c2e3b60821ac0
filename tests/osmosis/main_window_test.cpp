// The reverse-osmosis main window: what differs from the softener's (its
// button sets, field checks, configuration file, labels) and the input
// rules of its alarm-SMS page.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <cstdio>
#include <fstream>

#include "devlink/link_window.h"
#include "osmosis/osmosis_settings.h"
#include "pln2_fixture.h"
#include "resources/ids/pln2_ids.h"
#include "shell/labels.h"
#include "widgets/sp_mask_edit.h"

using namespace pln2::ids;
using testsupport::osmosisUnit;
using testsupport::Pln2Window;

TEST_F(Pln2Window, FullAccessLeavesTheReadButtonAndTheSerialNumberLeavesWriting) {
    readUnit();
    for (const int id : {IntervalReadingCheck, WriteButton, QuitErrorButton, ResetButton,
                         RunStopButton, FlushButton, SetClockButton, ErrorHistoryButton})
        EXPECT_TRUE(enabled(id)) << id;
    // The set of a reading-and-writing login does not hold "lesen".
    shell::enableControl(window.get(), ids().read, false);
    window->enableButtons(shell::ButtonSet::FullAccess, true);
    EXPECT_FALSE(enabled(ids().read));
    // Editing the serial number keeps the write button; the dial number takes anything.
    typeSerial("12345");
    EXPECT_TRUE(enabled(ids().write));
    QTest::keyClicks(edit(ids().dialNumber), "0o,");
    EXPECT_EQ(edit(ids().dialNumber)->text(), "0o,");
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
}

TEST_F(Pln2Window, BothSpellingsOfTheConfigurationFileAreOneFile) {
    window.reset();
    sim.reset();
    std::remove((workFolder.path() + "/aquendorPLN2.ini").c_str());
    std::ofstream(workFolder.path() + "/AquendorPLN2.ini", std::ios::binary)
        << "//never edit this file !//\r\nCOM2\r\nBrunnen|0815\r\n";
    start(osmosisUnit(), "AquendorPLN2");
    EXPECT_EQ(window->locationCombo()->itemText(0), "Brunnen");
    EXPECT_FALSE(std::ifstream(workFolder.path() + "/aquendorPLN2.ini").good());
}

TEST_F(Pln2Window, EnglishLabelsAndTheCaptionsThatStay) {
    restart(osmosisUnit(), "AquendorPLN2 english");
    EXPECT_EQ(shell::captionOf(widget(ResetButton)), "reset PLN");
    EXPECT_EQ(shell::captionOf(widget(RunStopButton)), "run / stop");
    EXPECT_EQ(shell::captionOf(widget(DialNumberGroup)), "dial-up number");
    EXPECT_EQ(shell::captionOf(pageControl(0, PlantStatusLabel)), "status of plant:");
    EXPECT_EQ(shell::captionOf(pageControl(1, AlternateRadio)), "alternate");
    EXPECT_EQ(shell::captionOf(pageControl(1, StopGroup)), "STOP");
    EXPECT_EQ(shell::captionOf(pageControl(2, DutchRadio)), "dutch");
    EXPECT_EQ(shell::captionOf(pageControl(2, CellConstantUnitLabel)), "1/cm");
    EXPECT_EQ(shell::captionOf(pageControl(3, EmergencyProgramCheck)), "emerg. program/BP");
    EXPECT_EQ(shell::captionOf(pageControl(1, RestartTimesLabel)), "X");
}

TEST_F(Pln2Window, AlarmSmsInputsAreChecked) {
    restart(osmosisUnit(), "AquendorPLN2 english");
    click(Func3PageRadio);
    auto* prefix = pageControlAs<QLineEdit>(3, PrefixEdit);
    prefix->setFocus();
    QTest::keyClicks(prefix, "01x");
    EXPECT_EQ(messages.lastText(), "Please insert numbers only!");
    EXPECT_EQ(prefix->selectedText(), "x");  // the next key replaces it
    QTest::keyClicks(prefix, "234");
    EXPECT_EQ(prefix->text(), "0123");  // at most four
    auto* text = pageControlAs<QLineEdit>(3, AdditionalTextEdit);
    QTest::keyClicks(text, QString(35, 'a'));
    EXPECT_EQ(text->text().size(), 30);
}

// Every value a set keeps belongs to a control of the pages, and a masked
// field's factory digits fill exactly its edit positions.
TEST_F(Pln2Window, SettingValuesNameTheControlsOfThePages) {
    for (const controller::SettingValue& value : osmosis::osmosisSettingsProfile().values) {
        QWidget* control = pageControl(value.page, value.control);
        ASSERT_NE(control, nullptr) << value.control;
        if (value.kind == controller::ValueKind::Digits) {
            auto* field = qobject_cast<SPMaskEdit*>(control);
            ASSERT_NE(field, nullptr) << value.control;
            EXPECT_EQ(static_cast<std::size_t>(field->maskedText().size()), value.width)
                << value.control;
        }
        for (const int button : value.buttons) EXPECT_NE(pageControl(value.page, button), nullptr);
        for (const auto& [box, bit] : value.bits) EXPECT_NE(pageControl(value.page, box), nullptr);
    }
}
