// The Vantiqo window: its states, fields, the variant a login names, the
// measured value of every variant, modem operation and the refused exit.
#include <QContextMenuEvent>
#include <QMenu>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "devlink/fields.h"
#include "devlink/telegram.h"
#include "resources/ids/vantiqo_ids.h"
#include "vantiqo_fixture.h"

using namespace vantiqo::ids;
using testsupport::measuringConfig;
using testsupport::VantiqoWindow;

namespace {

const QColor kGreen(0, 120, 0);
const QColor kBlue(0, 0, 255);

std::string loginAnswer(char variant) {
    return devlink::frameRequest(std::string("CSN|") + variant + "2|");
}

std::string rmvAnswer(double value, double temperature) {
    return devlink::frameRequest("RMV|0000" + devlink::encodeFloat(value) +
                                 devlink::encodeFloat(temperature) + "|");
}

}  // namespace

TEST_F(VantiqoWindow, StartsInNullModemOperationOnCom1Ready) {
    EXPECT_EQ(window->windowTitle(), "Vantiqo");
    EXPECT_EQ(edit(ComDigitEdit)->text(), "1");
    EXPECT_EQ(edit(StatusEdit)->text(), "BEREIT");
    EXPECT_EQ(edit(StatusEdit)->palette().color(QPalette::Text), kGreen);
    EXPECT_TRUE(shell::controlAs<QRadioButton>(window.get(), NullModemRadio)->isChecked());
    EXPECT_FALSE(enabled(ConnectButton));
    EXPECT_FALSE(enabled(DisconnectButton));
    for (int id :
         {MeasuredValueButton, LoggerReadButton, LoggerClearButton, TrendButton, ExitButton})
        EXPECT_TRUE(enabled(id)) << id;
    EXPECT_TRUE(button(ExitButton)->isDefault());
    EXPECT_TRUE(edit(SerialNumberEdit)->hasFocus());
    EXPECT_EQ(edit(StatusEdit)->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(edit(MeasuredValueEdit)->focusPolicy(), Qt::NoFocus);
}

TEST_F(VantiqoWindow, SwitchingToModemAndBackRestoresTheOperations) {
    click(ModemRadio);
    EXPECT_EQ(edit(StatusEdit)->text(), "OFFLINE");
    EXPECT_TRUE(enabled(ConnectButton));
    for (int id : {DisconnectButton, MeasuredValueButton, LoggerReadButton, LoggerClearButton})
        EXPECT_FALSE(enabled(id)) << id;
    click(NullModemRadio);
    EXPECT_EQ(edit(StatusEdit)->text(), "BEREIT");
    EXPECT_FALSE(enabled(ConnectButton));
    for (int id : {MeasuredValueButton, LoggerReadButton, LoggerClearButton})
        EXPECT_TRUE(enabled(id)) << id;
}

TEST_F(VantiqoWindow, LoginNamesTheVariantInCaptionAndLabel) {
    click(MeasuredValueButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(window->windowTitle(), "Vantiqo Cl2");
    EXPECT_EQ(shell::controlAs<QLabel>(window.get(), VariantLabel)->text(), "Vantiqo Cl2");
    ASSERT_EQ(statusWords, QStringList({"LESEN", "BEREIT"}));
    EXPECT_EQ(edit(StatusEdit)->palette().color(QPalette::Text), kGreen);
    EXPECT_EQ(requests(), std::vector<std::string>({"CSN", "RMV"}));
    EXPECT_EQ(sim->received()[1].bytes, devlink::frameRequest("RMV|"));
    EXPECT_TRUE(edit(MeasuredValueEdit)->text().endsWith(QString::fromUtf8(" \u00B0C")));

    // A unit of older software keeps the name the window shows.
    sim->setVariant(0);
    click(MeasuredValueButton);
    EXPECT_EQ(window->windowTitle(), "Vantiqo Cl2");
}

TEST_F(VantiqoWindow, MeasuredValueTextOfEveryVariant) {
    const struct {
        char variant;
        double value, temperature;
        const char* text;
    } cases[] = {
        {'1', 1234.5, 21.46, "01234.5 \u00B5S/cm T= 21.5 \u00B0C"},
        {'2', 7.234, 21.46, "pH 07.23 T= 21.5 \u00B0C"},
        {'3', 0.0, -1.0, "00000.0 mV T= --.- \u00B0C"},
        {'4', 0.35, -1.0, "00.3 mg/l T= --.- \u00B0C"},
        {'5', 0.0, 0.0, "00.0 mg/l T=  0.0 \u00B0C"},
        {'6', 1.05, 9.95, "01.0 mg/l T=  9.9 \u00B0C"},  // both a little below as floats
    };
    for (const auto& c : cases) {
        sim->queueRawAnswer(loginAnswer(c.variant));
        sim->queueRawAnswer(rmvAnswer(c.value, c.temperature));
        click(MeasuredValueButton);
        EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
        EXPECT_EQ(edit(MeasuredValueEdit)->text(), QString::fromUtf8(c.text)) << c.variant;
    }
}

TEST_F(VantiqoWindow, VariantZeroIsNeverAskedForItsMeasuredValue) {
    sim->setVariant(0);
    click(MeasuredValueButton);
    EXPECT_EQ(messages.lastText(),
              QString::fromUtf8("Die Funktion \"Messwert lesen\" wird von dem\n"
                                "Softwarestand des Ger\u00E4tes nicht "
                                "unterst\u00FCtzt"));
    EXPECT_EQ(messages.shown.back().caption, "Vantiqo");
    EXPECT_EQ(requests(), std::vector<std::string>({"CSN"}));
    EXPECT_EQ(edit(StatusEdit)->text(), "BEREIT");
}

TEST_F(VantiqoWindow, FaultyAnswersLeaveTheDisplayAsItWas) {
    click(MeasuredValueButton);
    const QString shown = edit(MeasuredValueEdit)->text();
    sim->setFault(unitsim::Fault::WrongChecksum, 1);
    sim->queueRawAnswer(loginAnswer('4'));
    click(MeasuredValueButton);
    EXPECT_EQ(messages.lastText(), "RMV: checksum error, error in transmission (Vantiqo -> PC)");
    sim->queueRawAnswer(loginAnswer('4'));
    sim->queueRawAnswer(devlink::checksumEcho("RMV"));
    click(MeasuredValueButton);
    EXPECT_EQ(messages.lastText(), "RMV: checksum error, error in transmission (PC -> Vantiqo)");
    sim->queueRawAnswer(loginAnswer('4'));
    sim->queueRawAnswer(devlink::frameRequest("RMV|00003F800000|"));  // no temperature field
    click(MeasuredValueButton);
    EXPECT_EQ(messages.lastText(),
              QString::fromUtf8("RMV: Die Antwort des Ger\u00E4tes enth\u00E4lt keinen Messwert."));
    EXPECT_EQ(edit(MeasuredValueEdit)->text(), shown);
    EXPECT_EQ(edit(StatusEdit)->text(), "BEREIT");
    // Reading only is enough; a wrong serial number or no access is not.
    sim->setLevel(1);
    messages.clear();
    click(MeasuredValueButton);
    EXPECT_TRUE(messages.shown.empty());
    sim->setLevel(0);
    click(MeasuredValueButton);
    EXPECT_EQ(messages.lastText(), "Keine Schreib- und Leseberechtigung");
}

TEST_F(VantiqoWindow, FieldChecksAndAnotherComDigitOpensThatPort) {
    edit(SerialNumberEdit)->clear();
    QTest::keyClicks(edit(SerialNumberEdit), "12x");
    EXPECT_EQ(messages.lastText(), "Bitte nur Ziffern eingeben!");
    edit(SerialNumberEdit)->setText("123456");
    edit(ComDigitEdit)->setFocus();
    edit(ComDigitEdit)->selectAll();
    QTest::keyClicks(edit(ComDigitEdit), "0");
    EXPECT_EQ(messages.lastText(), "Bitte nur die Ziffern 1 - 9 eingeben !");
    EXPECT_EQ(messages.shown.back().caption, "Vantiqo");
    edit(SerialNumberEdit)->setFocus();  // the leave right after a complaint checks nothing
    EXPECT_EQ(window->port().name(), "COM1");

    std::filesystem::create_symlink(sim->devicePath(), ports.path() + "/COM3");
    messages.clear();
    edit(ComDigitEdit)->setText("3");
    edit(ComDigitEdit)->setFocus();
    edit(SerialNumberEdit)->setFocus();  // leaving the field opens COM3
    EXPECT_EQ(window->port().name(), "COM3");
    EXPECT_TRUE(window->port().isOpen());
    click(MeasuredValueButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();

    edit(ComDigitEdit)->setText("7");
    edit(ComDigitEdit)->setFocus();
    edit(SerialNumberEdit)->setFocus();
    // The port's own text, and below it why: no device behind COM7.
    EXPECT_TRUE(messages.lastText().startsWith(
        QString::fromUtf8("COM7 konnte nicht ge\u00F6ffnet werden !\n")))
        << messages.lastText().toStdString();
}

TEST_F(VantiqoWindow, DisplayFieldsPassTheFocusOn) {
    for (int id : {StatusEdit, MeasuredValueEdit}) {
        edit(SerialNumberEdit)->setFocus();
        QFocusEvent focusIn(QEvent::FocusIn);
        QApplication::sendEvent(edit(id), &focusIn);
        EXPECT_TRUE(edit(DialNumberEdit)->hasFocus()) << id;
    }
}

TEST_F(VantiqoWindow, ExitEndsTheProgramInNullModemOperation) {
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->port().isOpen());
    EXPECT_TRUE(messages.shown.empty());
}

class VantiqoModem : public VantiqoWindow {
  protected:
    void SetUp() override {
        unitsim::Config config = measuringConfig(2, 16);
        config.modem = true;
        config.dialDelayMs = 100;
        config.guardMs = 300;
        start(config);
        click(ModemRadio);
        edit(DialNumberEdit)->setText("07111234");
        messages.clear();
        statusWords.clear();
    }
};

TEST_F(VantiqoModem, ConnectedTheWindowRefusesEveryWayOutUntilDisconnected) {
    click(ConnectButton);
    ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_TRUE(window->isConnected());
    EXPECT_EQ(edit(StatusEdit)->text(), "ONLINE");
    EXPECT_EQ(sim->dialledNumber(), "07111234");
    for (int id : {DisconnectButton, MeasuredValueButton, LoggerReadButton, LoggerClearButton})
        EXPECT_TRUE(enabled(id)) << id;
    for (int id : {ConnectButton, ModemRadio, NullModemRadio}) EXPECT_FALSE(enabled(id)) << id;

    click(MeasuredValueButton);  // over the modem line; the rest state is ONLINE
    EXPECT_EQ(window->windowTitle(), "Vantiqo pH");
    EXPECT_EQ(edit(StatusEdit)->text(), "ONLINE");

    const QString refusal = "Vor dem Beenden des Programms bitte erst die Verbindung trennen !";
    edit(SerialNumberEdit)->setFocus();
    QTest::keyClick(edit(SerialNumberEdit), Qt::Key_Return);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    window->close();
    click(ExitButton);
    ASSERT_EQ(messages.shown.size(), 4u);
    for (const auto& message : messages.shown) {
        EXPECT_EQ(message.text, refusal);
        EXPECT_EQ(message.icon, shell::MessageIcon::Stop);
        EXPECT_EQ(message.caption, "Vantiqo");
    }
    EXPECT_TRUE(window->isVisible());

    click(DisconnectButton);
    EXPECT_EQ(messages.shown.size(), 4u) << messages.lastText().toStdString();
    EXPECT_FALSE(window->isConnected());
    EXPECT_EQ(edit(StatusEdit)->text(), "OFFLINE");
    EXPECT_TRUE(enabled(ConnectButton));
    for (int id : {DisconnectButton, MeasuredValueButton, LoggerReadButton, LoggerClearButton})
        EXPECT_FALSE(enabled(id)) << id;
    QTest::keyClick(edit(SerialNumberEdit), Qt::Key_Return);  // Enter presses "Beenden"
    EXPECT_FALSE(window->isVisible());
}

TEST_F(VantiqoWindow, TheFileManagerGetsTheFolderAsItsOneArgument) {
    // A stand-in for xdg-open that notes its arguments.
    testsupport::TempFolder bin;
    const std::string noted = bin.path() + "/arguments";
    {
        std::ofstream script(bin.path() + "/xdg-open");
        // Written whole before it gets its name, so that the test sees it complete.
        script << "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > '" << noted << ".part' && /bin/mv '"
               << noted << ".part' '" << noted << "'\n";
    }
    std::filesystem::permissions(bin.path() + "/xdg-open", std::filesystem::perms::owner_all);
    const std::string path = getenv("PATH");
    setenv("PATH", bin.path().c_str(), 1);
    const QString folder = QString::fromStdString(workFolder.path()) + "/Messdaten Vantiqo 123456";
    const bool started = measuring::CVantiqoDlg::startFileManager(folder);
    EXPECT_TRUE(testsupport::waitUntil([&] { return std::filesystem::exists(noted); }));
    std::filesystem::remove(bin.path() + "/xdg-open");
    const bool missing = measuring::CVantiqoDlg::startFileManager(folder);
    setenv("PATH", path.c_str(), 1);
    EXPECT_TRUE(started);
    EXPECT_EQ(testsupport::fileBytes(noted), "1|" + folder.toStdString() + "|");
    EXPECT_FALSE(missing);
}

TEST_F(VantiqoWindow, TheContextMenuOpensTheAboutBox) {
    QString item, title, text;
    QTimer::singleShot(100, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        ASSERT_FALSE(menu->actions().empty());  // the about item first
        item = menu->actions()[0]->text();
        QTimer::singleShot(200, [&] {
            QWidget* about = QApplication::activeModalWidget();
            ASSERT_NE(about, nullptr);
            title = about->windowTitle();
            text = about->findChild<QLabel*>("versionLabel")->text();
            about->close();
        });
        menu->setActiveAction(menu->actions()[0]);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            window->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(window.get(), &event);
    EXPECT_EQ(item, QString::fromUtf8("&Info \u00FCber Vantiqo..."));
    EXPECT_EQ(title, QString::fromUtf8("Info \u00FCber Vantiqo"));
    EXPECT_EQ(text, "Vantiqo Version 1.1");
}

TEST_F(VantiqoModem, TheDialNumberTakesDialModifiers) {
    edit(DialNumberEdit)->clear();
    QTest::keyClicks(edit(DialNumberEdit), "0W,07111234");
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(edit(DialNumberEdit)->text(), "0W,07111234");
    click(ConnectButton);
    ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_TRUE(window->isConnected());
    EXPECT_EQ(sim->dialledNumber(), "0W,07111234");
    click(DisconnectButton);
    EXPECT_FALSE(window->isConnected());
}
