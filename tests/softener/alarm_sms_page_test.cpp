// Parameter page 4: the SMS dial-in number list kept in the configuration
// file, the checks while the operator types, the unit's alarm-SMS values
// on their way to the unit, and the capability notice.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QPlainTextEdit>
#include <fstream>
#include <sstream>

#include "devlink/fields.h"
#include "file_bytes.h"
#include "ksv2_fixture.h"
#include "resources/ids/ksv2_ids.h"
#include "softener/parameter_layout.h"

using namespace ksv2::ids;
using testsupport::Ksv2Window;

namespace {}  // namespace

class Ksv2AlarmSms : public Ksv2Window {
  protected:
    QWidget* page() const { return window->func4Page(); }
    QComboBox* numbers() const { return shell::controlAs<QComboBox>(page(), SmsNumberCombo); }
    QLineEdit* numberField() const { return numbers()->lineEdit(); }
    QLineEdit* pageEdit(int id) const { return shell::controlAs<QLineEdit>(page(), id); }
    void pageClick(int id) {
        QTest::mouseClick(shell::controlAs<QAbstractButton>(page(), id), Qt::LeftButton);
    }
    void typeNumber(const QString& digits) {
        numberField()->clear();
        numberField()->setFocus();
        QTest::keyClicks(numberField(), digits);
    }
    std::string ini() const {
        return testsupport::fileBytes(workFolder.path() + "/AquendorKSV2.ini");
    }
    void showPage4() { click(Func4PageRadio); }
};

TEST_F(Ksv2AlarmSms, NumbersAreSavedAndDeletedInTheConfigurationFile) {
    showPage4();
    typeNumber("0171111");
    pageClick(SaveSmsNumberButton);
    EXPECT_EQ(messages.lastText(), "sms-Wahlnummer gespeichert !");
    EXPECT_EQ(messages.shown.back().caption, "Aquendor KSV2");
    EXPECT_EQ(messages.shown.back().icon, shell::MessageIcon::Information);
    for (const char* more : {"0172222", "0173333"}) {
        typeNumber(more);
        pageClick(SaveSmsNumberButton);
        EXPECT_EQ(messages.lastText(), "sms- Wahlnummer gespeichert !");
    }
    typeNumber("0174444");
    pageClick(SaveSmsNumberButton);
    EXPECT_EQ(messages.lastText(), "max. 3 SMS-Wahlnummern !");
    EXPECT_EQ(ini(), "//never edit this file !//\r\nCOM2\r\n0171111\r\n0172222\r\n0173333\r\n");
    EXPECT_EQ(numbers()->count(), 3);

    messages.answers.push_back(shell::MessageAnswer::Yes);
    typeNumber("0172222");
    pageClick(DeleteSmsNumberButton);
    EXPECT_EQ(messages.shown[messages.shown.size() - 2].text,
              "Den sms- Wahlnummereintrag 0172222 l\u00F6schen ?");
    EXPECT_EQ(messages.lastText(), "sms- Wahlnummer gel\u00F6scht !");
    EXPECT_EQ(ini(), "//never edit this file !//\r\nCOM2\r\n0171111\r\n0173333\r\n");
    EXPECT_EQ(numbers()->count(), 2);
}

TEST_F(Ksv2AlarmSms, OnlyDigitsGetIntoTheNumberField) {
    showPage4();
    typeNumber("01a");
    EXPECT_EQ(messages.lastText(), "Bitte nur Ziffern eingeben!");
    EXPECT_TRUE(numberField()->hasFocus());
    EXPECT_EQ(numberField()->selectedText(), "a");
    typeNumber(QString(25, '1'));
    EXPECT_EQ(numberField()->text(), QString(20, '1'));

    // A pasted text with a line end and a "|" is caught as a whole and never
    // reaches the configuration file, where it would make a phonebook line.
    messages.clear();
    QApplication::clipboard()->setText("0171\nKunde|0815");
    numberField()->clear();
    numberField()->setFocus();
    QTest::keySequence(numberField(), QKeySequence::Paste);
    if (!numberField()->text().isEmpty()) {
        EXPECT_EQ(messages.lastText(), "Bitte nur Ziffern eingeben!");
    }
    numbers()->setEditText("0171\nKunde|0815");
    const std::string before = ini();
    pageClick(SaveSmsNumberButton);
    EXPECT_EQ(messages.lastText(), "Bitte nur Ziffern eingeben!");
    EXPECT_EQ(ini(), before);
    EXPECT_EQ(numbers()->count(), 0);
}

TEST_F(Ksv2AlarmSms, PrefixAndTextKeepTheirWidths) {
    showPage4();
    QLineEdit* prefix = pageEdit(PrefixEdit);
    prefix->setFocus();
    QTest::keyClicks(prefix, "01234");
    EXPECT_EQ(prefix->text(), "0123");
    prefix->clear();
    QTest::keyClicks(prefix, "0x");
    EXPECT_EQ(messages.lastText(), "Bitte nur Ziffern eingeben!");
    EXPECT_EQ(prefix->selectedText(), "x");
    QLineEdit* extra = pageEdit(AdditionalTextEdit);
    extra->setFocus();
    QTest::keyClicks(extra, QString(35, 'T'));
    EXPECT_EQ(extra->text(), QString(30, 'T'));
    EXPECT_EQ(extra->cursorPosition(), 30);
}

TEST_F(Ksv2AlarmSms, PageValuesReachTheUnitAtTheirOffsets) {
    std::string before = sim->parameterRecord();
    // Bit 7 belongs to the hidden box RegStopCheck: it goes back as the unit sent it.
    devlink::putField(before, softener::sms::kFlags, devlink::encodeWord32(0x0080));
    devlink::putField(before, softener::sms::kAccessNumber, devlink::encodeText("0190123", 20));
    sim->setParameterRecord(before);
    readyNullModem();
    click(ReadButton);
    ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(shell::controlAs<QLabel>(page(), AccessNumberLabel)->text(), "0190123");
    showPage4();
    typeNumber("01711234567");
    pageEdit(PrefixEdit)->setText("0");
    pageEdit(AdditionalTextEdit)->setText("Halle 3");
    shell::controlAs<QCheckBox>(page(), PowerFailureCheck)->click();
    shell::controlAs<QCheckBox>(page(), ErrorHardnessCheck)->click();
    click(WriteButton);
    ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();

    std::string expected = before;
    devlink::putField(expected, softener::sms::kDialNumber, devlink::encodeText("01711234567", 20));
    devlink::putField(expected, softener::sms::kPrefix, devlink::encodeText("0", 4));
    devlink::putField(expected, softener::sms::kExtraText, devlink::encodeText("Halle 3", 30));
    devlink::putField(expected, softener::sms::kFlags, devlink::encodeWord32(0x2081));
    EXPECT_EQ(sim->parameterRecord(), expected);
}

TEST_F(Ksv2AlarmSms, TheNoticeTellsWhetherTheUnitSendsSms) {
    auto* info = shell::controlAs<QPlainTextEdit>(page(), InfoText);
    ASSERT_NE(info, nullptr);
    // Before the first read: the short-form notice, in red.
    EXPECT_TRUE(info->toPlainText().startsWith("Die Alarm - SMS - Funktion wird ab"));
    EXPECT_EQ(info->palette().color(QPalette::Text), QColor(255, 0, 0));
    readyNullModem();
    click(ReadButton);
    EXPECT_EQ(info->toPlainText(),
              QString::fromUtf8("Dieses Ger\u00E4t besitzt\nAlarm - SMS - Funktionalit\u00E4t\n"));
    EXPECT_EQ(info->palette().color(QPalette::Text), QColor(0, 110, 0));
    // The notice is not for editing: the focus moves on to the page selector.
    showPage4();
    info->setFocus();
    EXPECT_TRUE(button(Func4PageRadio)->hasFocus());
}
