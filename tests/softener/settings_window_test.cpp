// The settings group of the softener window against the simulator: the
// sorted names list and its field, applying, saving and deleting through
// the buttons, export and import through the file dialogs, the backup
// before each write, and the fatal end at start.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QWheelEvent>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "devlink/fields.h"
#include "file_bytes.h"
#include "ksv2_fixture.h"
#include "resources/ids/ksv2_ids.h"
#include "softener/softener_settings.h"
#include "widgets/settings_controls.h"
#include "widgets/sp_mask_edit.h"

using namespace ksv2::ids;
using testsupport::Ksv2Window;

namespace {

// A stored set: the factory values with its own additional SMS text.
std::string storedSet(const std::string& name, const std::string& smsText) {
    std::string bytes = name + "\r\n";
    const auto values = softener::softenerSettingsProfile().values;
    for (std::size_t i = 0; i < values.size(); ++i)
        bytes += (i == 85 ? smsText : values[i].factory) + "\r\n";
    return bytes;
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool sentDps(const unitsim::Simulator& sim) {
    for (const auto& telegram : sim.received())
        if (telegram.bytes.rfind("DPS|", 0) == 0) return true;
    return false;
}

}  // namespace

class Ksv2Settings : public Ksv2Window {
  protected:
    void SetUp() override {
        std::ofstream(store(), std::ios::binary)
            << "//never edit this file !//\r\n"
            << storedSet("Zeche", "Zeche Text") << storedSet("\xC4rztehaus", "")
            << storedSet("alte Halle", "") << storedSet("Brunnen", "");
        start(unitsim::Config{}, commandLine());
    }
    virtual std::string commandLine() const { return "AquendorKSV2"; }

    std::string store() const { return workFolder.path() + "/AquendorKSV2.set"; }
    QComboBox* names() const { return shell::controlAs<QComboBox>(window.get(), SettingsCombo); }
    QStringList items() const {
        QStringList list;
        for (int i = 0; i < names()->count(); ++i) list << names()->itemText(i);
        return list;
    }
    void select(const QString& name) {
        const int index = names()->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        emit names()->activated(index);
    }
    void readUnit(const std::string& record) {
        sim->setParameterRecord(record);
        readyNullModem();
        click(ReadButton);
        ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    }
    QLineEdit* smsText() const {
        return shell::controlAs<QLineEdit>(window->func4Page(), AdditionalTextEdit);
    }
    QCheckBox* func1Box(int id) const {
        return shell::controlAs<QCheckBox>(window->func1Page(), id);
    }
    SPMaskEdit* func1Mask(int id) const {
        return shell::controlAs<SPMaskEdit>(window->func1Page(), id);
    }
    // Exports the pages through the button into path.
    std::string exportPages(const std::string& path) {
        messages.fileNames.push_back(QString::fromStdString(path));
        click(ExportButton);
        return testsupport::fileBytes(path);
    }
};

class Ksv2SettingsEnglish : public Ksv2Settings {
    std::string commandLine() const override { return "AquendorKSV2 english"; }
};

TEST_F(Ksv2Settings, NamesAreSortedAndTheFieldTakesNoTypedItem) {
    EXPECT_EQ(items(), (QStringList{"alte Halle", "\u00C4rztehaus", "Brunnen", "Werkseinstellung",
                                    "Zeche"}));
    EXPECT_EQ(names()->currentText(), "");
    EXPECT_EQ(names()->insertPolicy(), QComboBox::NoInsert);
    EXPECT_EQ(names()->completer(), nullptr);

    QLineEdit* field = names()->lineEdit();
    field->setFocus();
    QTest::keyClicks(field, " H");  // a leading blank empties the field
    EXPECT_EQ(field->text(), "H");
    QTest::keyClicks(field, "a|l");
    EXPECT_EQ(field->text(), "Hal");
    EXPECT_EQ(field->cursorPosition(), 3);

    // Enter neither adds the typed text nor applies the set of that name;
    // neither arrow keys nor the wheel step through the sets.
    field->setText("Zeche");
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Up);
    QWheelEvent wheel(QPointF(5, 5), names()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(names(), &wheel);
    EXPECT_EQ(names()->count(), 5);
    EXPECT_EQ(smsText()->text(), "");
    EXPECT_TRUE(window->isVisible());

    select("Zeche");
    EXPECT_EQ(smsText()->text(), "Zeche Text");
    EXPECT_TRUE(messages.shown.empty());
    if (const char* folder = std::getenv("AQUENDOR_SCREENSHOTS"))
        window->grab().save(QString(folder) + "/settings-group.png");
}

TEST_F(Ksv2SettingsEnglish, FactoryEntryInTheInterfaceLanguage) {
    EXPECT_TRUE(items().contains("factory setting"));
    EXPECT_FALSE(items().contains("Werkseinstellung"));
    func1Box(IntervalActiveCheck)->click();
    EXPECT_TRUE(func1Mask(IntervalDaysEdit)->isEnabled());
    select("factory setting");
    EXPECT_TRUE(shell::controlAs<QRadioButton>(window->func1Page(), ChangeOverRadio)->isChecked());
    EXPECT_EQ(func1Mask(RegenerationFromEdit)->displayText(), "18:00");
    EXPECT_EQ(func1Mask(RawHardnessEdit)->displayText(), "010,0");
    EXPECT_TRUE(func1Box(BvOnCheck)->isChecked());
    EXPECT_FALSE(func1Box(IntervalActiveCheck)->isChecked());
    EXPECT_FALSE(func1Mask(IntervalDaysEdit)->isEnabled());
    EXPECT_TRUE(shell::controlAs<QCheckBox>(window->func3Page(), Svc1AlarmCheck)
                    ->isChecked());  // SVC 1 alarm
}

TEST_F(Ksv2Settings, SaveApplyAndDeleteThroughTheButtons) {
    readUnit(sim->parameterRecord());
    names()->setEditText("Kl\u00E4ranlage");
    click(SaveSettingButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Einstellung gespeichert !");
    EXPECT_EQ(messages.shown.back().caption, QString::fromUtf8("Aquendor\u00AE KSV2"));
    EXPECT_EQ(messages.shown.back().icon, shell::MessageIcon::Information);
    EXPECT_TRUE(items().contains("Kl\u00E4ranlage"));
    EXPECT_NE(testsupport::fileBytes(store()).find("\r\nKl\xE4ranlage\r\n"), std::string::npos);

    // Applying changes the pages only; the unit hears nothing of it.
    const bool before = func1Box(CalcCapacityCheck)->isChecked();
    func1Box(CalcCapacityCheck)->click();
    sim->clearReceived();
    select("Kl\u00E4ranlage");
    EXPECT_EQ(func1Box(CalcCapacityCheck)->isChecked(), before);
    EXPECT_TRUE(sim->received().empty());

    messages.clear();
    messages.answers.push_back(shell::MessageAnswer::Yes);
    click(DeleteSettingButton);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text,
              QString::fromUtf8("Einstellung Kl\u00E4ranlage l\u00F6schen ?"));
    EXPECT_EQ(messages.shown[0].icon, shell::MessageIcon::Stop);
    EXPECT_TRUE(messages.shown[0].keepOnTop);
    EXPECT_EQ(messages.lastText(), QString::fromUtf8("Einstellung gel\u00F6scht !"));
    EXPECT_FALSE(items().contains("Kl\u00E4ranlage"));
    EXPECT_EQ(testsupport::fileBytes(store()).find("Kl\xE4ranlage"), std::string::npos);
}

TEST_F(Ksv2Settings, AUnitSmsTextWithALineFeedStaysOneLine) {
    std::string record = sim->parameterRecord();
    devlink::putField(record, 334, devlink::encodeText("Alarm\nHalle 3", 30));
    readUnit(record);
    ASSERT_EQ(smsText()->text(), "Alarm\nHalle 3");
    const std::string before = testsupport::fileBytes(store());
    names()->setEditText("Halle 3");
    click(SaveSettingButton);
    EXPECT_EQ(messages.lastText(), "Einstellung gespeichert !");
    const std::string added = testsupport::fileBytes(store()).substr(before.size());
    EXPECT_EQ(std::count(added.begin(), added.end(), '\n'), 88);
    EXPECT_NE(added.find("\r\nAlarm Halle 3\r\n"), std::string::npos);
}

TEST_F(Ksv2Settings, ExportAddsTheExtensionAndImportRefusesAShortFile) {
    readUnit(sim->parameterRecord());
    messages.fileNames.push_back(QString::fromStdString(workFolder.path() + "/Anlage"));
    click(ExportButton);
    EXPECT_EQ(messages.lastText(), "Einstellung exportiert !");
    EXPECT_FALSE(std::filesystem::exists(workFolder.path() + "/Anlage"));
    const std::string file = testsupport::fileBytes(workFolder.path() + "/Anlage.stg");
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 88);

    // The same name again: replaced only when the operator agrees.
    messages.clear();
    messages.answers.push_back(shell::MessageAnswer::No);
    exportPages(workFolder.path() + "/Anlage");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].buttons, shell::MessageButtons::YesNo);

    // A truncated file changes no page.
    const std::string truncated = workFolder.path() + "/truncated.stg";
    std::ofstream(truncated, std::ios::binary) << file.substr(0, file.size() - 3);
    smsText()->setText("bleibt");
    messages.fileNames.push_back(QString::fromStdString(truncated));
    click(ImportButton);
    EXPECT_TRUE(messages.lastText().startsWith("Die Datei " + QString::fromStdString(truncated)));
    EXPECT_EQ(smsText()->text(), "bleibt");
}

TEST_F(Ksv2Settings, EachWriteIsPrecededByABackupThatRestoresThePages) {
    readUnit(sim->parameterRecord());
    const std::string asRead = exportPages(workFolder.path() + "/asRead.stg");
    const std::string folder = workFolder.path() + "/backup 123456";

    func1Box(CalcCapacityCheck)->click();
    messages.clear();
    click(WriteButton);
    ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    ASSERT_TRUE(sentDps(*sim));
    std::vector<std::string> backups = filesIn(folder);
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_NE(backups[0].find("/backup 123456 20"), std::string::npos);
    EXPECT_EQ(testsupport::fileBytes(backups[0]),
              asRead);  // what the unit had, not the edited pages

    // A write whose answer is garbled may have changed the unit or not: the
    // next backup is still what was last read, not the pages sent.
    const std::string afterWrite = exportPages(workFolder.path() + "/afterWrite.stg");
    smsText()->setText("nicht bestaetigt");
    sim->queueRawAnswer(devlink::frameRequest("CSN|2|"));  // the login goes through
    sim->queueRawAnswer("DPS|CF|00\x04");
    click(WriteButton);
    EXPECT_TRUE(messages.lastText().startsWith("DPS : checksum error"));
    messages.clear();
    click(WriteButton);
    ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    backups = filesIn(folder);
    ASSERT_EQ(backups.size(), 3u);
    EXPECT_EQ(testsupport::fileBytes(backups[1]), afterWrite);
    EXPECT_EQ(testsupport::fileBytes(backups[2]), afterWrite);

    messages.fileNames.push_back(QString::fromStdString(backups[0]));
    click(ImportButton);
    EXPECT_EQ(messages.lastText(), "Einstellung importiert !");
    EXPECT_EQ(exportPages(workFolder.path() + "/restored.stg"), asRead);
}

// Without a backup the operator decides, told why; No, the default, sends
// nothing at all, not even the login.
TEST_F(Ksv2Settings, AFailedBackupAsksAndOnlyYesWrites) {
    std::ofstream(workFolder.path() + "/backup 123456") << "a file where the folder belongs";
    readUnit(sim->parameterRecord());
    func1Box(CalcCapacityCheck)->click();
    sim->clearReceived();
    click(WriteButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    const shell::Message& question = messages.shown[0];
    EXPECT_EQ(question.text.toStdString(),
              "Die Sicherung der Ger\u00E4teparameter vor dem Schreiben kann nicht angelegt "
              "werden:\n" +
                  workFolder.path() +
                  "/backup 123456\nEine Datei dieses Namens steht im Weg.\n\nTrotzdem schreiben?");
    EXPECT_EQ(question.buttons, shell::MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(question.icon, shell::MessageIcon::Exclamation);
    EXPECT_TRUE(sim->received().empty());
    EXPECT_EQ(edit(StatusEdit)->text(), "OFFLINE");

    messages.clear();
    messages.answers.push_back(shell::MessageAnswer::Yes);
    click(WriteButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.lastText().endsWith("Trotzdem schreiben?"));
    EXPECT_TRUE(sentDps(*sim));
    EXPECT_EQ(devlink::decodeByte(sim->parameterRecord(), 116),
              func1Box(CalcCapacityCheck)->isChecked());
}

// A store with its last record cut off.
class Ksv2DamagedStore : public Ksv2Settings {
  protected:
    void SetUp() override {
        std::ofstream(store(), std::ios::binary)
            << "//never edit this file !//\r\n"
            << storedSet("Zeche", "Zeche Text") << storedSet("Halle", "").substr(0, 300);
        start(unitsim::Config{}, commandLine());
    }
};

TEST_F(Ksv2DamagedStore, TheStartNamesTheBrokenRecordAndListsOnlyTheWholeOnes) {
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              QString::fromStdString("Die Datei " + store() +
                                     " ist besch\u00E4digt: die Einstellung Nr. 2 \"Halle\" ist "
                                     "unvollst\u00E4ndig.\nEine Kopie der Datei liegt daneben als "
                                     "AquendorKSV2.set.damaged.\nDas Programm verwendet nur die "
                                     "vollst\u00E4ndigen Einstellungen."));
    EXPECT_EQ(messages.shown[0].icon, shell::MessageIcon::Exclamation);
    EXPECT_EQ(messages.shown[0].caption, QString::fromUtf8("Aquendor\u00AE KSV2"));
    EXPECT_EQ(items(), (QStringList{"Werkseinstellung", "Zeche"}));
    EXPECT_TRUE(std::filesystem::exists(store() + ".damaged"));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Ksv2Settings, AStoreThatCannotBeOpenedEndsTheProgramAtStart) {
    window.reset();
    std::filesystem::remove(store());
    std::filesystem::create_directory(store());
    shell::ScriptedMessageService startMessages;
    CAquendorKSV2Dlg doomed(startMessages);
    int ended = 0;
    doomed.endProgram = [&] { ++ended; };
    doomed.startUp("AquendorKSV2");
    EXPECT_EQ(ended, 1);
    ASSERT_FALSE(startMessages.shown.empty());
    EXPECT_EQ(startMessages.shown[0].text,
              QString::fromUtf8("Kann AquendorKSV2.set nicht \u00F6ffnen !\nProgram wird beendet"));
    EXPECT_EQ(startMessages.shown[0].caption, "AquendorKSV2");
}
