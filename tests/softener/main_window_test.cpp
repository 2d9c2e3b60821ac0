// The softener main window headless: start state, link modes, speed, field
// checks, status colours, exit paths, labels and the page host.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QTest>

#include "devlink/com_names.h"
#include "ksv2_fixture.h"
#include "resources/ids/ksv2_ids.h"
#include "shell/labels.h"
#include "shell/status_field.h"
#include "softener/softener_labels.h"

using namespace ksv2::ids;
using testsupport::Ksv2Window;

namespace {

const std::vector<int> kOperationButtons = {
    ReadButton,         WriteButton,         QuitErrorButton,    ResetButton,
    RegenerationButton, ReserveFilterButton, ChangeFilterButton, ErrorHistoryButton,
    SetClockButton,     StatusHistoryButton};

}  // namespace

TEST_F(Ksv2Window, StartsOfflineInModemOperationAt19200) {
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Aquendor\u00AE  KSV2"));
    EXPECT_EQ(edit(StatusEdit)->text(), "OFFLINE");
    EXPECT_EQ(edit(StatusEdit)->palette().color(QPalette::Text), QColor(0, 0, 0));
    EXPECT_TRUE(button(ModemRadio)->isChecked());
    EXPECT_TRUE(button(Baud19200Radio)->isChecked());
    EXPECT_TRUE(button(InfoPageRadio)->isChecked());
    EXPECT_EQ(edit(ComDigitEdit)->text(), "2");
    EXPECT_TRUE(window->port().isOpen());
    EXPECT_EQ(window->port().name(), "COM2");
    EXPECT_TRUE(edit(SerialNumberEdit)->hasFocus());
    for (int id : {ComDigitEdit,   DialNumberEdit,     SerialNumberEdit,     LocationCombo,
                   ConnectButton,  SaveLocationButton, DeleteLocationButton, ExitButton,
                   ModemRadio,     NullModemRadio,     Baud9600Radio,        Baud19200Radio,
                   InfoPageRadio,  Func1PageRadio,     Func2PageRadio,       Func3PageRadio,
                   Func4PageRadio, SettingsCombo,      SaveSettingButton,    DeleteSettingButton,
                   ExportButton,   ImportButton})
        EXPECT_TRUE(enabled(id)) << id;
    for (int id : kOperationButtons) EXPECT_FALSE(enabled(id)) << id;
    EXPECT_FALSE(enabled(DisconnectButton));
    EXPECT_FALSE(enabled(IntervalReadingCheck));
    EXPECT_EQ(edit(StatusEdit)->focusPolicy(), Qt::NoFocus);
}

TEST_F(Ksv2Window, LinkModesSwitchTheirButtonSets) {
    click(NullModemRadio);
    EXPECT_FALSE(enabled(ConnectButton));
    EXPECT_FALSE(enabled(DisconnectButton));
    EXPECT_TRUE(enabled(ReadButton));
    click(NullModemRadio);  // the active mode again changes nothing
    EXPECT_TRUE(enabled(ReadButton));

    // After a login the operation buttons are usable; modem operation takes them away.
    typeSerial("123456");
    click(ReadButton);
    EXPECT_TRUE(enabled(WriteButton));
    click(ModemRadio);
    EXPECT_TRUE(enabled(ConnectButton));
    for (int id : kOperationButtons) EXPECT_FALSE(enabled(id)) << id;
}

TEST_F(Ksv2Window, ComFieldTakesOneDigitOneToNine) {
    QLineEdit* com = edit(ComDigitEdit);
    com->setFocus();
    com->selectAll();
    QTest::keyClicks(com, "0");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Bitte nur die Ziffern 1 - 9 eingeben !");
    EXPECT_EQ(messages.shown.back().caption, QString::fromUtf8("Aquendor\u00AE KSV2"));
    EXPECT_TRUE(com->hasFocus());
    EXPECT_EQ(com->selectedText(), "0");

    // Closing right after the complaint does not complain again.
    window->close();
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Ksv2Window, LeavingTheComFieldReopensThePortUnderTheNewName) {
    ASSERT_TRUE(sim->bindComName(ports.path(), "COM7"));
    QLineEdit* com = edit(ComDigitEdit);
    com->setFocus();
    com->selectAll();
    QTest::keyClicks(com, "a7");  // the letter complains, the digit is kept after it
    EXPECT_EQ(messages.lastText(), "Bitte nur die Ziffern 1 - 9 eingeben !");
    com->setText("7");
    edit(SerialNumberEdit)->setFocus();  // the first leave after a complaint is skipped
    com->setFocus();
    edit(SerialNumberEdit)->setFocus();
    EXPECT_EQ(window->port().name(), "COM7");
    EXPECT_TRUE(window->port().isOpen());

    // Typing "73" keeps the first digit only.
    com->setFocus();
    com->selectAll();
    QTest::keyClicks(com, "73");
    EXPECT_EQ(com->text(), "7");
}

TEST_F(Ksv2Window, SpeedChangeReopensThePort) {
    click(Baud9600Radio);
    EXPECT_EQ(window->port().baudRate(), 9600);
    EXPECT_EQ(window->port().modeText(), "baud=9600 parity=N data=8 stop=1");
    EXPECT_TRUE(window->port().isOpen());
    EXPECT_EQ(sim->lineBaud(), 9600);
    click(Baud19200Radio);
    EXPECT_EQ(window->port().modeText(), "baud=19200 parity=N data=8 stop=1");
    EXPECT_EQ(sim->lineBaud(), 19200);
}

TEST(StatusField, ColourFollowsTheWord) {
    EXPECT_EQ(shell::statusColor("READ"), QColor(0, 0, 255));
    EXPECT_EQ(shell::statusColor("WRITE"), QColor(0, 0, 255));
    EXPECT_EQ(shell::statusColor("ONLINE"), QColor(0, 120, 0));
    EXPECT_EQ(shell::statusColor("BUSY"), QColor(255, 0, 0));
    EXPECT_EQ(shell::statusColor("OFFLINE"), QColor(0, 0, 0));
}

TEST_F(Ksv2Window, EscapeAndExitButtonTakeTheSamePath) {
    window->session().connected = true;
    const QString warning = QString::fromUtf8(
        "Vor dem Beenden des Programms bitte erst die Verbindung trennen !\nProgramm beenden ?");
    QTest::keyClick(window.get(), Qt::Key_Escape);  // No: stay
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), warning);
    EXPECT_EQ(messages.shown.back().icon, shell::MessageIcon::Stop);
    EXPECT_EQ(messages.shown.back().buttons, shell::MessageButtons::YesNo);
    EXPECT_TRUE(window->isVisible());
    click(ExitButton);
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(window->isVisible());

    QTest::keyClick(window.get(), Qt::Key_Return);  // Enter does nothing
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(messages.shown.size(), 2u);

    messages.answers.push_back(shell::MessageAnswer::Yes);  // Yes: ends without hanging up
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->port().isOpen());
    EXPECT_TRUE(sim->received().empty());
}

TEST(Language, CommandLineWords) {
    using shell::determineLanguage;
    EXPECT_EQ(determineLanguage("/opt/aquendor/AquendorKSV2"), shell::German);
    EXPECT_EQ(determineLanguage("AquendorKSV2 english"), shell::English);
    EXPECT_EQ(determineLanguage("AquendorKSV2 english german"), shell::German);
    EXPECT_EQ(determineLanguage("AquendorKSV2 german english"), shell::German);
    EXPECT_EQ(determineLanguage("AquendorKSV2 English"), shell::German);
    EXPECT_EQ(determineLanguage("/home/tech/english-tools/AquendorKSV2"), shell::English);
}

namespace {

struct LabelCheck {
    const QWidget* window;
    const std::vector<shell::LabelEntry>* table;
};

// Every label table with the window or page it belongs to.
std::vector<LabelCheck> allTables(const CAquendorKSV2Dlg& window) {
    using namespace softener;
    return {{&window, &kMainWindowLabels},           {window.infoPage(), &kInfoPageLabels},
            {window.func1Page(), &kFunc1PageLabels}, {window.func2Page(), &kFunc2PageLabels},
            {window.func3Page(), &kFunc3PageLabels}, {window.func4Page(), &kFunc4PageLabels}};
}

void expectLabels(const std::vector<LabelCheck>& checks, bool english) {
    for (const auto& [window, table] : checks) {
        for (const shell::LabelEntry& entry : *table) {
            QWidget* widget = shell::control(window, entry.id);
            ASSERT_NE(widget, nullptr) << entry.id;
            EXPECT_EQ(shell::captionOf(widget),
                      QString::fromUtf8(english ? entry.english : entry.german))
                << entry.id;
        }
    }
}

}  // namespace

TEST_F(Ksv2Window, GermanKeepsTheTemplateCaptions) {
    expectLabels(allTables(*window), false);
}

class Ksv2EnglishWindow : public Ksv2Window {
  protected:
    void SetUp() override { start(unitsim::Config{}, "/usr/local/english/bin/AquendorKSV2"); }
};

TEST_F(Ksv2EnglishWindow, EnglishInTheProgramPathRelabelsEverything) {
    EXPECT_EQ(window->language(), shell::English);
    expectLabels(allTables(*window), true);
    // Units and the window caption stay as they are.
    EXPECT_EQ(button(Baud9600Radio)->text(), "   9600 bit/s");
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Aquendor\u00AE  KSV2"));
}

TEST_F(Ksv2Window, PagesLieTwoPixelsInsideThePlaceholderAndFollowTheWindow) {
    const QWidget* placeholder = widget(PagePlaceholder);
    const QRect inside = placeholder->geometry().adjusted(2, 2, -2, -2);
    for (int i = 0; i < window->pageHost().pageCount(); ++i)
        EXPECT_EQ(window->pageHost().page(i)->geometry(), inside) << i;
    EXPECT_TRUE(window->infoPage()->isVisible());

    window->move(window->pos() + QPoint(37, 21));
    QApplication::processEvents();
    const QPoint placeholderOnScreen = placeholder->mapToGlobal(QPoint(2, 2));
    EXPECT_EQ(window->func3Page()->mapToGlobal(QPoint(0, 0)), placeholderOnScreen);

    click(Func3PageRadio);
    EXPECT_TRUE(window->func3Page()->isVisible());
    EXPECT_FALSE(window->infoPage()->isVisible());
    EXPECT_EQ(window->pageHost().currentPage(), 3);
}

TEST_F(Ksv2Window, BeforeServiceAndBvOffExcludeEachOther) {
    auto* beforeService = shell::controlAs<QCheckBox>(window->func1Page(), BeforeServiceCheck);
    auto* bvOff = shell::controlAs<QCheckBox>(window->func2Page(), BvOffCheck);
    click(Func2PageRadio);
    bvOff->setChecked(true);
    click(Func1PageRadio);
    EXPECT_FALSE(beforeService->isEnabled());
    bvOff->setChecked(false);
    beforeService->setChecked(true);
    click(Func1PageRadio);
    EXPECT_TRUE(beforeService->isEnabled());
    click(Func2PageRadio);
    EXPECT_FALSE(bvOff->isEnabled());
    beforeService->setChecked(false);
    click(Func2PageRadio);
    EXPECT_TRUE(bvOff->isEnabled());
    click(Func4PageRadio);
    EXPECT_TRUE(button(Func4PageRadio)->hasFocus());
}

TEST_F(Ksv2Window, NumberFieldsTakeDigitsOnly) {
    typeSerial("12a");
    EXPECT_EQ(messages.lastText(), "Bitte nur Ziffern eingeben!");
    EXPECT_EQ(messages.shown.back().caption, "AquendorKSV2");
    EXPECT_EQ(edit(SerialNumberEdit)->selectedText(), "a");
    messages.clear();
    edit(SerialNumberEdit)->clear();
    edit(SerialNumberEdit)->insert("1234567");  // pasted: cut back to six
    EXPECT_EQ(edit(SerialNumberEdit)->text(), "123456");
    EXPECT_TRUE(messages.shown.empty());
    edit(SerialNumberEdit)->clear();
    edit(SerialNumberEdit)->insert("12\u00E9456");  // non-ASCII in the middle of a paste
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(edit(SerialNumberEdit)->selectedText(), QString::fromUtf8("\u00E9"));

    QLineEdit* dial = edit(DialNumberEdit);
    dial->insert(QString(25, QChar('5')));
    EXPECT_EQ(dial->text().size(), 20);
    dial->clear();
    dial->insert("0711x");
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(dial->selectedText(), "x");

    auto* location = shell::controlAs<QComboBox>(window.get(), LocationCombo);
    location->setEditText("Werk|Nord");
    EXPECT_EQ(location->currentText(), "WerkNord");
    location->setEditText(" Halle");
    EXPECT_EQ(location->currentText(), "");
}
