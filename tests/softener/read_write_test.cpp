// Reading and writing the softener unit's parameter set through the window,
// against the simulator: carried positions survive, each page's change lands
// at exactly its offset, the short form stays short.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>

#include "devlink/fields.h"
#include "devlink/telegram.h"
#include "ksv2_fixture.h"
#include "resources/ids/ksv2_ids.h"
#include "softener/parameter_layout.h"
#include "telegrams.h"
#include "widgets/sp_mask_edit.h"

using namespace ksv2::ids;
using testsupport::Ksv2Window;
using testsupport::lastDps;

namespace {

// The factory record with distinct carried positions, so that a write which
// touched them would show.
std::string recordWithCarriedPositions(std::string record) {
    devlink::putField(record, 24, "0123456789ABCDEF");
    devlink::putField(record, 80, "FEDCBA98765432101234");
    devlink::putField(record, 112, "5A");
    devlink::putField(record, 140, "A5");
    devlink::putField(record, 232, "C3");
    devlink::putField(record, 236, "3C");
    if (record.size() > 240) devlink::putField(record, 240, "ABCDEF");
    return record;
}

}  // namespace

class Ksv2ReadWrite : public Ksv2Window {
  protected:
    void readUnit(const std::string& record) {
        sim->setParameterRecord(record);
        readyNullModem();
        click(ReadButton);
        ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    }
    SPMaskEdit* mask(QWidget* page, int id) { return shell::controlAs<SPMaskEdit>(page, id); }
    QLineEdit* infoEdit(int id) { return shell::controlAs<QLineEdit>(window->infoPage(), id); }
};

TEST_F(Ksv2ReadWrite, WritingWithoutAChangeGivesTheUnitItsOwnRecord) {
    const std::string before = recordWithCarriedPositions(sim->parameterRecord());
    readUnit(before);
    EXPECT_TRUE(window->parameterRecord().longForm());
    click(WriteButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(sim->parameterRecord(), before);
    EXPECT_EQ(lastDps(*sim), devlink::frameRequest("DPS|" + before + "|"));
    EXPECT_EQ(edit(StatusEdit)->text(), "OFFLINE");  // read again after the write, then at rest
}

TEST_F(Ksv2ReadWrite, EachPageChangeLandsAtItsOffset) {
    const std::string before = recordWithCarriedPositions(sim->parameterRecord());
    readUnit(before);
    // Page 1: hardness unit °f. Page 2: program 1 lasts 45 minutes.
    // Page 3: the unit speaks English. Page 4: SMS on "error filter 1".
    click(Func1PageRadio);
    shell::controlAs<QRadioButton>(window->func1Page(), UnitFRadio)->click();
    click(Func2PageRadio);
    SPMaskEdit* duration = mask(window->func2Page(), Program1DurationEdit);
    duration->setFocus();
    duration->setCursorPosition(0);
    QTest::keyClicks(duration, "045");
    click(Func3PageRadio);
    shell::controlAs<QRadioButton>(window->func3Page(), EnglishRadio)->click();
    click(Func4PageRadio);
    shell::controlAs<QCheckBox>(window->func4Page(), ErrorFilter1Check)->click();
    click(WriteButton);
    ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();

    std::string expected = before;
    devlink::putField(expected, 114, "01");
    devlink::putField(expected, 104, "002D");
    devlink::putField(expected, 234, "01");
    devlink::putField(expected, 394, devlink::encodeWord32(devlink::decodeWord32(before, 394) | 2));
    EXPECT_EQ(sim->parameterRecord(), expected);
    // The read after the write shows the unit's new state.
    EXPECT_EQ(shell::controlAs<QLabel>(window->infoPage(), HardnessUnitLabel)->text(),
              QString::fromUtf8("\u00B0f"));
}

TEST_F(Ksv2ReadWrite, AlarmTextsTravelInTheWindowsCodePage) {
    std::string before = sim->parameterRecord();
    devlink::putField(before, softener::sms::kExtraText, devlink::encodeText("5 \x80 \x84", 30));
    readUnit(before);
    auto* extra = shell::controlAs<QLineEdit>(window->func4Page(), AdditionalTextEdit);
    EXPECT_EQ(extra->text(), QString::fromUtf8("5 \u20AC \u201E"));
    extra->setText(QString::fromUtf8("Preis \u20AC"));
    click(WriteButton);
    ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(sim->parameterRecord().substr(softener::sms::kExtraText, 16), "5072656973208020");
}

TEST_F(Ksv2ReadWrite, ShortFormSendsTwoHundredFortyCharacters) {
    window.reset();
    sim.reset();
    unitsim::Config config;
    config.longForm = false;
    start(config, "AquendorKSV2");
    const std::string before = recordWithCarriedPositions(sim->parameterRecord());
    ASSERT_EQ(before.size(), 240u);
    readUnit(before);
    EXPECT_FALSE(window->parameterRecord().longForm());
    shell::controlAs<QCheckBox>(window->func4Page(), ErrorFilter1Check)
        ->click();  // not in the short form
    click(WriteButton);
    const std::string dps = lastDps(*sim);
    EXPECT_EQ(dps.size(), 4u + 240u + 4u);
    EXPECT_EQ(sim->parameterRecord(), before);
    EXPECT_EQ(shell::controlAs<QLabel>(window->func4Page(), AccessNumberLabel)->text(), "-");
}

TEST_F(Ksv2ReadWrite, TwoPartRecordIsJoined) {
    window.reset();
    sim.reset();
    unitsim::Config config;
    config.longForm = false;
    config.twoPartDpi = true;
    start(config, "AquendorKSV2");
    const std::string before = recordWithCarriedPositions(sim->parameterRecord());
    readUnit(before);
    EXPECT_EQ(window->parameterRecord().text().substr(0, 240), before);
    click(WriteButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(sim->parameterRecord(), before);
}

TEST_F(Ksv2ReadWrite, WriteIsRefusedBeforeAReadAndForAFieldWithoutANumber) {
    readyNullModem();
    window->writeParameters();
    EXPECT_EQ(messages.lastText(),
              QString::fromUtf8("Bitte zuerst die Parameter aus dem Ger\u00E4t lesen (\"lesen\") "
                                "!\nEs wurde nichts geschrieben."));
    EXPECT_TRUE(sim->received().empty());

    click(ReadButton);
    sim->clearReceived();
    messages.clear();
    mask(window->func2Page(), ImpulseLengthEdit)->setMaskedText("");
    click(WriteButton);
    EXPECT_EQ(messages.lastText(),
              QString::fromUtf8("\"Impulsl\u00E4nge\": keine g\u00FCltige Zahl. Es wurde nichts "
                                "geschrieben."));
    EXPECT_TRUE(sim->received().empty());
    EXPECT_TRUE(window->func2Page()->isVisible());
    EXPECT_TRUE(mask(window->func2Page(), ImpulseLengthEdit)->hasFocus());
}

TEST_F(Ksv2ReadWrite, StatusPageShowsTheUnitsState) {
    sim->setTimeScale(0);
    sim->overrideStatusByte(172, 3);     // filter 1 in stage 3
    sim->overrideStatusByte(174, 12);    // for 12 more minutes
    sim->overrideStatusByte(186, 0x81);  // waiting and alarm blink
    sim->overrideStatusByte(164, 0x00);
    sim->overrideStatusByte(154, 7);
    readUnit(sim->parameterRecord());
    EXPECT_EQ(infoEdit(PlantStatusEdit)->text(), "F1 Regeneration");
    EXPECT_EQ(mask(window->infoPage(), RegenerationStageEdit)->text(), "3");
    EXPECT_EQ(mask(window->infoPage(), RemainingTimeEdit)->text(), "12");
    EXPECT_TRUE(infoEdit(LastAccessEdit)->text().startsWith("07."));
    EXPECT_EQ(shell::controlAs<QLabel>(window->infoPage(), CapacityUnitLabel)->text(),
              QString::fromUtf8("m\u00B3\u00B0dH"));
    EXPECT_EQ(mask(window->func1Page(), CapacityEdit)->text(), "000250");

    // The alarm lamp and the waiting lamp blink at 1 Hz until the next read.
    EXPECT_TRUE(window->infoPage()->blinkTimer().isActive());
    EXPECT_FALSE(window->infoPage()->lamps()[7]);
    // The fields are for reading: in null-modem operation the focus goes on to "read".
    infoEdit(OperationHoursEdit)->setFocus();
    EXPECT_TRUE(button(ReadButton)->hasFocus());
    window->infoPage()->blinkTick();
    EXPECT_TRUE(window->infoPage()->lamps()[7]);
    EXPECT_TRUE(window->infoPage()->lamps()[0]);
    window->infoPage()->blinkTick();
    EXPECT_FALSE(window->infoPage()->lamps()[7]);

    // Stop wins; the interval timer restarted after each answer.
    sim->setStopInput(true);
    sim->clearStatusOverrides();
    click(ReadButton);
    EXPECT_EQ(infoEdit(PlantStatusEdit)->text(), "Stop");
    EXPECT_FALSE(window->infoPage()->blinkTimer().isActive());

    // One filter, stage 0, service valve shut, nothing waiting: no code, the
    // text stays as it was.
    sim->setStopInput(false);
    for (std::size_t offset : {162u, 172u, 186u}) sim->overrideStatusByte(offset, 0);
    click(ReadButton);
    EXPECT_EQ(infoEdit(PlantStatusEdit)->text(), "Stop");
}

TEST_F(Ksv2ReadWrite, CyclicReadingRestartsTheTimerAfterEachAnswer) {
    readUnit(sim->parameterRecord());
    click(IntervalReadingCheck);
    EXPECT_TRUE(window->intervalTimer().isActive());
    EXPECT_GT(window->intervalTimer().remainingTime(), 14000);
    const auto reads = sim->received().size();
    window->intervalTimer().start(5);
    // The tick reads everything again.
    ASSERT_TRUE(testsupport::waitUntil([&] { return sim->received().size() > reads; }));
    EXPECT_GT(window->intervalTimer().remainingTime(), 14000);
    click(IntervalReadingCheck);  // off: one more read, the timer stops
    EXPECT_FALSE(window->intervalTimer().isActive());
    EXPECT_TRUE(enabled(ReadButton));
}

TEST_F(Ksv2ReadWrite, StageFieldsAreChecked) {
    readUnit(sim->parameterRecord());
    click(Func2PageRadio);
    SPMaskEdit* program2 = mask(window->func2Page(), Program2StageEdit);
    program2->setMaskedText("4");
    click(Func1PageRadio);
    SPMaskEdit* count = mask(window->func1Page(), StageCountEdit);
    count->setFocus();
    count->setMaskedText("9");
    button(Func2PageRadio)->setFocus();
    EXPECT_EQ(messages.lastText(), "Bitte nur die Ziffern 1 - 8 eingeben !");
    EXPECT_TRUE(count->hasFocus());
    // The refused digit is selected, so the next one typed replaces it.
    EXPECT_EQ(count->selectedText(), "9");
    QTest::keyClicks(count, "2");
    EXPECT_EQ(count->maskedText(), "2");
    button(Func2PageRadio)->setFocus();
    EXPECT_EQ(program2->maskedText(), "2");

    click(Func2PageRadio);
    program2->setFocus();
    program2->setMaskedText("3");
    button(Func1PageRadio)->setFocus();
    EXPECT_EQ(messages.lastText(), "Bitte nur die Ziffern 1 - 2 eingeben !");
    EXPECT_TRUE(program2->hasFocus());
    EXPECT_EQ(program2->selectedText(), "3");
    QTest::keyClicks(program2, "1");
    EXPECT_EQ(program2->maskedText(), "1");
}
