// Reading and writing the reverse-osmosis unit's parameter set through the
// window, against the simulator: carried positions survive, each page's
// change lands at exactly its offset, the short form stays short, the
// first answer's length decides the form, and the numbers stay the unit's
// on a German desktop.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <array>
#include <filesystem>

#include "devlink/fields.h"
#include "devlink/telegram.h"
#include "file_size_limit.h"
#include "osmosis/parameter_layout.h"
#include "pln2_fixture.h"
#include "resources/ids/pln2_ids.h"
#include "telegrams.h"
#include "widgets/sp_mask_edit.h"

using namespace pln2::ids;
using testsupport::lastDps;
using testsupport::osmosisUnit;
using testsupport::Pln2Window;

namespace {

// The factory record with distinct carried positions and the three alarm
// bits whose boxes are hidden, so that a write which touched them would show.
std::string recordWithCarriedPositions(std::string record) {
    devlink::putField(record, 64, "0123ABCD");
    devlink::putField(record, 76, "EF01");
    devlink::putField(record, 90, "A5");
    devlink::putField(record, 128, "5A");
    devlink::putField(record, 152, "C3");
    if (record.size() > osmosis::kShortRecordLength) {
        devlink::putField(record, 158, "3C3C3C3C");
        devlink::putField(record, osmosis::record::kSmsFlags, devlink::encodeWord32(0x1211));
    }
    return record;
}

std::vector<std::string> words(const unitsim::Simulator& sim) {
    std::vector<std::string> sent;
    for (const auto& telegram : sim.received()) sent.push_back(telegram.bytes.substr(0, 3));
    return sent;
}

}  // namespace

class Pln2ReadWrite : public Pln2Window {
  protected:
    void readRecord(const std::string& record) {
        sim->setParameterRecord(record);
        readUnit();
    }
    void write() {
        sim->clearReceived();
        click(ids().write);
    }
    SPMaskEdit* mask(int page, int id) { return pageControlAs<SPMaskEdit>(page, id); }
    void choose(int page, int id) { pageControlAs<QAbstractButton>(page, id)->click(); }
    // The telegrams the unit answers a read with, the parameter answer as given.
    void queueReadWith(const std::string& dpiAnswer) {
        sim->queueRawAnswer(devlink::frameRequest("CSN|2|"));
        sim->queueRawAnswer(devlink::frameRequest("DSI|" + sim->statusArea() + "|"));
        sim->queueRawAnswer(dpiAnswer);
    }
};

TEST_F(Pln2ReadWrite, WritingWithoutAChangeGivesTheUnitItsOwnRecordAndReadsNothing) {
    const std::string before = recordWithCarriedPositions(sim->parameterRecord());
    readRecord(before);
    EXPECT_TRUE(window->parameterRecord().longForm());
    write();
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(lastDps(*sim), devlink::frameRequest("DPS|" + before + "|"));
    EXPECT_EQ(sim->parameterRecord(), before);
    // The unit is not read again: the pages keep what the operator typed.
    EXPECT_EQ(words(*sim), (std::vector<std::string>{"CSN", "DPS"}));
    EXPECT_EQ(edit(ids().status)->text(), "OFFLINE");
}

TEST_F(Pln2ReadWrite, EachPageChangeLandsAtItsOffset) {
    const std::string before = recordWithCarriedPositions(sim->parameterRecord());
    readRecord(before);
    click(Func1PageRadio);
    choose(1, SerialRadio);  // pumps in series
    click(Func2PageRadio);
    SPMaskEdit* cell = mask(2, CellConstantEdit);
    cell->setFocus();
    cell->setCursorPosition(0);
    QTest::keyClicks(cell, "125");  // 1,25
    choose(2, DutchRadio);          // the unit speaks Dutch
    click(Func3PageRadio);
    pageControlAs<QCheckBox>(3, PermeateMaxCheck)->click();  // SMS on "CD permeate max."
    write();
    ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();

    std::string expected = before;
    devlink::putField(expected, osmosis::record::kPumpMode, "01");
    devlink::putField(expected, 8, devlink::encodeFloat(1.25));
    devlink::putField(expected, osmosis::record::kLanguage, "04");
    devlink::putField(expected, osmosis::record::kSmsFlags, devlink::encodeWord32(0x1213));
    EXPECT_EQ(sim->parameterRecord(), expected);
}

// 0.10 is no exact binary number: the unit holds the single-precision
// value nearest to it, 3DCCCCCD, and a field showing 0,10 is sent as that
// whatever the desktop's decimal separator, typed or left as read.
TEST_F(Pln2ReadWrite, AFieldShowingZeroCommaTenIsSentAsTheNearestSinglePrecisionValue) {
    std::string before = sim->parameterRecord();
    devlink::putField(before, 8, "3DCCCCCD");
    devlink::putField(before, 100, "05");  // a delay of 5 s: "5", then the blank placeholder
    readRecord(before);
    EXPECT_EQ(mask(2, CellConstantEdit)->text(), "0,10");
    EXPECT_EQ(mask(2, MinDelayEdit)->text(), "5 ");
    mask(2, CompensationFactorEdit)->setMaskedText("010");  // the compensation factor typed as 0,10
    write();
    EXPECT_EQ(sim->parameterRecord().substr(0, 16), "3DCCCCCD3DCCCCCD");
    EXPECT_EQ(sim->parameterRecord().substr(100, 2), "05");
}

// The unit holds the single-precision value nearest to what was typed,
// which lies above the decimal (0.1 is 3DCCCCCD) or below it (0.7 is
// 3F333333). A write that changes nothing gives every one of them back bit
// for bit. Each row fills the eight float fields with values their masks
// show in full: 0 and 8 "#,##", 16 to 32 "###,###", 40 "##,#", 48 and 56
// "####,#".
TEST_F(Pln2ReadWrite, FloatsWrittenBackUnchangedKeepTheUnitsBits) {
    constexpr std::size_t kFloatFields[] = {0, 8, 16, 24, 32, 40, 48, 56};
    const std::array<float, 8> rows[] = {
        {0.1f, 0.2f, 0.3f, 0.7f, 1.1f, 1.3f, 9.9f, 0.9f},
        {0.3f, 0.7f, 12.34f, 123.456f, 0.001f, 99.7f, 1234.5f, 0.1f},
        {1.1f, 9.87f, 0.07f, 1.23f, 999.999f, 0.2f, 999.9f, 12.3f},
        {1.23f, 0.07f, 0.1f, 0.2f, 0.7f, 0.1f, 0.2f, 0.3f},
    };
    ASSERT_EQ(devlink::encodeFloat(0.1f), "3DCCCCCD");
    for (const auto& row : rows) {
        std::string before = recordWithCarriedPositions(sim->parameterRecord());
        for (std::size_t i = 0; i < row.size(); ++i)
            devlink::putField(before, kFloatFields[i], devlink::encodeFloat(row[i]));
        readRecord(before);
        write();
        ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
        for (std::size_t i = 0; i < row.size(); ++i)
            EXPECT_EQ(sim->parameterRecord().substr(kFloatFields[i], 8),
                      before.substr(kFloatFields[i], 8))
                << row[i] << " at " << kFloatFields[i];
        EXPECT_EQ(sim->parameterRecord(), before);
    }
}

TEST_F(Pln2ReadWrite, ShortFormSendsOneHundredFiftySixCharactersAndNeverTheLanguage) {
    restart(osmosisUnit(false));
    const std::string before = recordWithCarriedPositions(sim->parameterRecord());
    ASSERT_EQ(before.size(), 156u);
    readRecord(before);
    EXPECT_FALSE(window->parameterRecord().longForm());
    choose(2, EnglishRadio);  // English: shown, never sent
    pageControlAs<QLineEdit>(3, AdditionalTextEdit)
        ->setText("Halle 2");  // the page is disabled anyway
    write();
    EXPECT_EQ(lastDps(*sim).size(), 4u + 156u + 4u);
    EXPECT_EQ(sim->parameterRecord(), before);
}

TEST_F(Pln2ReadWrite, FirstAnswersOf332333And334CharactersAndTheirForms) {
    const std::string unit = recordWithCarriedPositions(sim->parameterRecord());
    readyNullModem();
    for (const std::size_t tail : {2u, 3u, 4u}) {
        const std::string answer =
            devlink::frameRequest("DPI|" + unit + std::string(tail, '0') + "|");
        ASSERT_EQ(answer.size(), 330u + tail);
        queueReadWith(answer);
        click(ids().read);
        ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
        const bool longForm = tail == 3;
        EXPECT_EQ(window->parameterRecord().longForm(), longForm) << answer.size();
        EXPECT_EQ(pageControl(3, AdditionalTextEdit)->isEnabled(), longForm);
        write();
        EXPECT_EQ(lastDps(*sim),
                  devlink::frameRequest("DPS|" + unit.substr(0, longForm ? 322 : 156) + "|"));
    }
}

TEST_F(Pln2ReadWrite, TwoPartRecordIsJoinedAtBothEntryPoints) {
    unitsim::Config config = osmosisUnit(false);
    config.twoPartDpi = true;
    restart(config);
    const std::string before = recordWithCarriedPositions(sim->parameterRecord());
    readRecord(before);
    EXPECT_EQ(window->parameterRecord().writeBody(), before);
    // "Fehler quittieren" reads again after the command: cut the same way.
    std::string changed = before;
    devlink::putField(changed, osmosis::record::kPumpMode, "00");  // alternating pumps
    sim->setParameterRecord(changed);
    click(QuitErrorButton);
    EXPECT_EQ(window->parameterRecord().writeBody(), changed);
    write();
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(sim->parameterRecord(), changed);
}

TEST_F(Pln2ReadWrite, WriteIsRefusedBeforeAReadAndForAFieldWithoutANumber) {
    readyNullModem();
    window->writeParameters();
    EXPECT_EQ(messages.lastText(),
              QString::fromUtf8("Bitte zuerst die Parameter aus dem Ger\u00E4t lesen (\"lesen\") "
                                "!\nEs wurde nichts geschrieben."));
    EXPECT_TRUE(sim->received().empty());

    click(ids().read);
    sim->clearReceived();
    messages.clear();
    mask(2, MaxLimitEdit)->setMaskedText("");  // blanks only
    click(ids().write);
    EXPECT_EQ(messages.lastText(),
              QString::fromUtf8("\"Maximal GW\": keine g\u00FCltige Zahl. Es wurde nichts "
                                "geschrieben."));
    EXPECT_TRUE(sim->received().empty());
    EXPECT_TRUE(window->func2Page()->isVisible());
    EXPECT_TRUE(mask(2, MaxLimitEdit)->hasFocus());
}

// On a full disk the backup before the write cannot be made: the operator
// is told why and asked before anything, the login included, goes to the
// unit. No is the default.
TEST_F(Pln2ReadWrite, ABackupThatCannotBeWrittenAsksBeforeAnythingIsSent) {
    restart(osmosisUnit(), "AquendorPLN2 english");
    readUnit();
    const std::string before = sim->parameterRecord();
    choose(1, SerialRadio);  // pumps in series, not sent
    sim->clearReceived();
    {
        testsupport::FileSizeLimit fullDisk(16);
        click(ids().write);
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    const QString question = messages.lastText();
    EXPECT_TRUE(question.startsWith(QString::fromStdString(
        "Cannot create the backup of the unit's parameters before writing:\n" + workFolder.path() +
        "/backup 123456/backup 123456 ")))
        << question.toStdString();
    EXPECT_TRUE(question.endsWith(".stg\nNo space left on the disk.\n\nWrite anyway?"))
        << question.toStdString();
    EXPECT_EQ(messages.shown[0].buttons, shell::MessageButtons::YesNoDefaultNo);
    EXPECT_TRUE(sim->received().empty());
    EXPECT_EQ(sim->parameterRecord(), before);
    EXPECT_TRUE(std::filesystem::is_empty(workFolder.path() + "/backup 123456"));
    EXPECT_EQ(edit(ids().status)->text(), "OFFLINE");
}

TEST_F(Pln2ReadWrite, ABadChecksumOnTheWriteAnswerShowsOneMessageAndStops) {
    readUnit();
    sim->queueRawAnswer(devlink::frameRequest("CSN|2|"));
    sim->setFault(unitsim::Fault::WrongChecksum);
    write();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(
        messages.lastText(),
        QString::fromUtf8("DPS : checksum error, error in transmission (Aquendor\u00AE -> PC)"));
    EXPECT_EQ(messages.shown[0].caption, QString::fromUtf8("Aquendor\u00AE PLN2"));
    EXPECT_EQ(words(*sim), (std::vector<std::string>{"CSN", "DPS"}));
}

TEST_F(Pln2ReadWrite, StatusPageShowsTheUnitsState) {
    const auto pinFloat = [this](std::size_t offset, double value) {
        const std::string digits = devlink::encodeFloat(value);
        for (std::size_t i = 0; i < 8; i += 2)
            sim->overrideStatusByte(offset + i, devlink::decodeByte(digits, i));
    };
    pinFloat(0, 12.5);     // conductivity
    pinFloat(8, 100.0);    // temperature: the "##" keeps 10
    pinFloat(48, 123.25);  // permeate, m³ as sent
    pinFloat(24, 0.98765);
    sim->overrideStatusByte(96, 4);      // flushing
    sim->overrideStatusByte(98, 0x81);   // PU1 and AL
    sim->overrideStatusByte(104, 0x01);  // a blink bit that makes nothing blink
    readUnit();
    auto* info = window->infoPage();
    EXPECT_EQ(pageControlAs<SPMaskEdit>(0, ConductivityEdit)->text(), "0012,50");
    EXPECT_EQ(pageControlAs<SPMaskEdit>(0, TemperatureEdit)->text(), "10");
    EXPECT_EQ(pageControlAs<SPMaskEdit>(0, PermeateEdit)->text(), "0123,2500");
    EXPECT_EQ(pageControlAs<QLineEdit>(0, PlantStatusEdit)->text(),
              QString::fromUtf8("Sp\u00FClen"));
    EXPECT_EQ(mask(2, CalibrationFactorEdit)->text(), "0,98765");
    EXPECT_TRUE(info->lamps()[16]);
    EXPECT_TRUE(info->lamps()[23]);
    EXPECT_TRUE(info->blinkTimer().isActive());
    const auto lamps = info->lamps();
    info->blinkTick();
    EXPECT_EQ(info->lamps(), lamps);

    // Bit 7 flashes function lamp 8; an unknown plant status leaves the text.
    sim->overrideStatusByte(104, 0x80);
    sim->overrideStatusByte(100, 0x00);
    sim->overrideStatusByte(96, 3);
    mask(2, CalibrationFactorEdit)->setMaskedText("111111");  // typed: the next read overwrites it
    click(ids().read);
    EXPECT_EQ(pageControlAs<QLineEdit>(0, PlantStatusEdit)->text(),
              QString::fromUtf8("Sp\u00FClen"));
    EXPECT_EQ(mask(2, CalibrationFactorEdit)->text(), "0,98765");
    EXPECT_FALSE(info->lamps()[7]);
    info->blinkTick();
    EXPECT_TRUE(info->lamps()[7]);
    info->blinkTick();
    EXPECT_FALSE(info->lamps()[7]);
    // The fields are for reading: in null-modem operation the focus goes on to "lesen".
    pageControl(0, OperationHoursEdit)->setFocus();
    EXPECT_TRUE(button(ids().read)->hasFocus());
    sim->overrideStatusByte(104, 0x00);
    click(ids().read);
    EXPECT_FALSE(info->blinkTimer().isActive());
}

TEST_F(Pln2ReadWrite, AlarmSmsPageFollowsTheForm) {
    auto* notice = pageControlAs<QPlainTextEdit>(3, InfoText);
    EXPECT_TRUE(notice->toPlainText().contains("63M030"));
    EXPECT_TRUE(pageControl(3, PrefixEdit)->isEnabled());  // until the first read decides
    std::string before = sim->parameterRecord();
    devlink::putField(before, osmosis::record::kAccessNumber, devlink::encodeText("0800 12", 20));
    readRecord(before);
    EXPECT_TRUE(notice->toPlainText().startsWith(QString::fromUtf8("Dieses Ger\u00E4t besitzt")));
    EXPECT_EQ(notice->palette().color(QPalette::Text), QColor(0, 110, 0));
    EXPECT_EQ(pageControlAs<QLabel>(3, AccessNumberLabel)->text(), "0800");
    for (const int hidden : {PressureMaxCheck, RangeExceededCheck, FrostCheck})
        EXPECT_TRUE(pageControl(3, hidden)->isHidden());
    click(Func3PageRadio);
    button(ids().read)->setFocus();
    notice->setFocus();
    EXPECT_TRUE(button(Func3PageRadio)->hasFocus());

    restart(osmosisUnit(false));
    pageControlAs<QCheckBox>(3, PressureMaxCheck)->setChecked(true);
    pageControlAs<QLineEdit>(3, PrefixEdit)->setText("0");
    readUnit();
    auto* shortNotice = pageControlAs<QPlainTextEdit>(3, InfoText);
    EXPECT_TRUE(shortNotice->toPlainText().contains("91M030"));
    EXPECT_EQ(shortNotice->palette().color(QPalette::Text), QColor(255, 0, 0));
    for (const int box : osmosis::kAlarmBoxes) {
        EXPECT_FALSE(pageControlAs<QCheckBox>(3, box)->isChecked()) << box;
        EXPECT_FALSE(pageControl(3, box)->isEnabled()) << box;
    }
    for (const int input : {PrefixEdit, SmsNumberCombo, SaveSmsNumberButton, DeleteSmsNumberButton,
                            AdditionalTextEdit})
        EXPECT_FALSE(pageControl(3, input)->isEnabled()) << input;
    EXPECT_TRUE(pageControlAs<QLineEdit>(3, PrefixEdit)->text().isEmpty());
    EXPECT_EQ(pageControlAs<QLabel>(3, AccessNumberLabel)->text(), "-");
}
