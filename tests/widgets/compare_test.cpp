// Comparing the pages with a named set, a setting file and the unit's
// backups, in both controller programs: the table lists exactly what the
// set holds otherwise than the pages, "Übernehmen" puts the set on the
// pages, "Schließen" leaves them, and a backup taken, put back on the
// pages and written returns the unit to its earlier record.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "controller/backup_before_write.h"
#include "controller/parameter_values.h"
#include "controller/setting_file.h"
#include "file_bytes.h"
#include "ksv2_fixture.h"
#include "osmosis/parameter_values.h"
#include "osmosis/pln2_fixture.h"
#include "softener/parameter_values.h"
#include "telegrams.h"
#include "widgets/changes_table.h"
#include "widgets/compare_dlg.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

using Rows = std::vector<std::vector<QString>>;

// A value the stored set holds otherwise than the unit, and the row the
// comparison shows for it (German): page, parameter, the set's, the page's.
struct Differs {
    const char* value;
    const char* setText;
    std::vector<const char*> row;
};

struct Softener {
    using Window = CAquendorKSV2Dlg;
    static constexpr const char* kProgram = "AquendorKSV2";
    static unitsim::Config unit() { return unitsim::Config{}; }
    static const controller::ParameterValueTable& table() { return softener::softenerValueTable(); }
    static std::vector<Differs> differences() {
        return {{"raw_water_hardness",
                 "12,3",
                 {"Funktionen 1", "Rohwasserh\u00E4rte", " 12,3", "  8,4"}},
                {"regeneration_delay",
                 "1",
                 {"Funktionen 1", "Regenerationsverz\u00F6gerung", "ein", "aus"}}};
    }
};

struct Osmosis {
    using Window = CAquendorPLN2Dlg;
    static constexpr const char* kProgram = "AquendorPLN2";
    static unitsim::Config unit() { return testsupport::osmosisUnit(true); }
    static const controller::ParameterValueTable& table() { return osmosis::osmosisValueTable(); }
    static std::vector<Differs> differences() {
        return {
            {"compensation_factor", "2,15", {"Funktionen 2", "Komp.-Faktor", "2,15", "2,00"}},
            {"quality_flush", "1", {"Funktionen 1", "Qualit\u00E4ts-Sp\u00FClen", "ein", "aus"}}};
    }
};

template <typename Program>
class Compare : public testsupport::ControllerWindowTest<typename Program::Window> {
  protected:
    void SetUp() override { this->start(Program::unit(), Program::kProgram); }
    void readUnit() {
        this->readyNullModem();
        this->click(this->ids().read);
        ASSERT_TRUE(this->messages.shown.empty()) << this->messages.lastText().toStdString();
    }
    // The unit's record with the differences set: what the stored set holds.
    controller::UnitRecord storedRecord() {
        controller::UnitRecord record = this->window->parameterRecord();
        for (const Differs& d : Program::differences())
            EXPECT_EQ(
                controller::setParameterValue(Program::table(), record, d.value, d.setText, false),
                "");
        return record;
    }
    // A setting file of a record, written as a backup is.
    std::string settingFile(const controller::UnitRecord& record) {
        const widgets::ControllerProfile& profile = this->window->profile();
        const std::string path = this->workFolder.path() + "/Halle 3.stg";
        std::ofstream(path, std::ios::binary) << controller::decodedAsSettingFile(
            profile.settings,
            [&](controller::ParameterForm& form) { profile.decodeRecord(record, form); });
        return path;
    }
    static Rows expectedRows() {
        Rows rows;
        for (const Differs& d : Program::differences()) {
            rows.emplace_back();
            for (const char* cell : d.row) rows.back().push_back(QString::fromUtf8(cell));
        }
        return rows;
    }
    static Rows rowsOf(const widgets::CompareDlg& dialog) {
        Rows rows;
        const widgets::ChangesTable* table = dialog.table();
        for (int row = 0; row < table->rowCount(); ++row)
            rows.push_back({table->textAt(row, 0), table->textAt(row, 1), table->textAt(row, 2),
                            table->textAt(row, 3)});
        return rows;
    }
    // Runs a menu item; the dialog it opens goes to the handler.
    void runItem(const char* item, std::function<void(widgets::CompareDlg&)> handler) {
        this->messages.dialogHandlers.push_back([handler](QDialog& dialog) {
            auto* compare = qobject_cast<widgets::CompareDlg*>(&dialog);
            ASSERT_NE(compare, nullptr);
            handler(*compare);
        });
        QAction* action = this->window->windowMenu()->template findChild<QAction*>(item);
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
        EXPECT_TRUE(this->messages.dialogHandlers.empty());
    }
    static void clickRow(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
};

using Programs = ::testing::Types<Softener, Osmosis>;
TYPED_TEST_SUITE(Compare, Programs);

TYPED_TEST(Compare, ASettingFileAndANamedSetListWhatTheyChangeAndApplyPutsThemOnThePages) {
    this->readUnit();
    const controller::UnitRecord unit = this->window->parameterRecord();
    const controller::UnitRecord stored = this->storedRecord();
    const std::string file = this->settingFile(stored);

    // "Schließen" leaves the pages as they are.
    Rows shown;
    this->messages.fileNames.push_back(QString::fromStdString(file));
    this->runItem("compareItem", [&](widgets::CompareDlg& compare) {
        EXPECT_EQ(compare.windowTitle(), "Vergleichen");
        QTest::mouseClick(compare.fileButton(), Qt::LeftButton);
        EXPECT_TRUE(compare.fileChoice()->isChecked());
        shown = this->rowsOf(compare);
        EXPECT_EQ(compare.table()->horizontalHeaderItem(2)->text(), "Datei");
        EXPECT_EQ(compare.summary()->text(), "2 Parameter unterscheiden sich von den Seiten:");
        QTest::mouseClick(compare.closeButton(), Qt::LeftButton);
    });
    EXPECT_EQ(shown, this->expectedRows());
    EXPECT_EQ(this->window->recordOfPages().writeBody(), unit.writeBody());

    // "Übernehmen" puts the file on the pages, as Import does.
    this->messages.fileNames.push_back(QString::fromStdString(file));
    this->runItem("compareItem", [&](widgets::CompareDlg& compare) {
        QTest::mouseClick(compare.fileButton(), Qt::LeftButton);
        QTest::mouseClick(compare.applyButton(), Qt::LeftButton);
    });
    EXPECT_EQ(this->window->recordOfPages().writeBody(), stored.writeBody());
    EXPECT_TRUE(this->messages.shown.empty()) << this->messages.lastText().toStdString();

    // The pages as a named set; the unit's record read again onto the pages.
    this->window->settings().store().SaveSet("Halle 3");
    this->click(this->ids().read);
    this->messages.clear();
    shown.clear();
    this->runItem("compareItem", [&](widgets::CompareDlg& compare) {
        QComboBox* names = compare.setNames();
        names->setCurrentIndex(names->findText("Halle 3"));
        EXPECT_TRUE(compare.setChoice()->isChecked());
        EXPECT_EQ(compare.table()->horizontalHeaderItem(2)->text(), "Einstellung");
        shown = this->rowsOf(compare);
        QTest::mouseClick(compare.closeButton(), Qt::LeftButton);
    });
    EXPECT_EQ(shown, this->expectedRows());
}

// The way back: the backup taken before a write, put on the pages with
// "Übernehmen", is written with "schreiben" and the unit holds its earlier
// record again, to the last position.
TYPED_TEST(Compare, ABackupAppliedAndWrittenReturnsTheUnitToItsRecord) {
    this->readUnit();
    const std::string earlier = this->sim->parameterRecord();
    const controller::UnitRecord stored = this->storedRecord();
    this->window->settings().store().applyLines(
        *controller::SettingFile(this->window->profile().settings.values)
             .valuesOf(testsupport::fileBytes(this->settingFile(stored))));
    this->click(this->ids().write);  // the review's "Senden" is its default button
    ASSERT_TRUE(this->messages.shown.empty()) << this->messages.lastText().toStdString();
    ASSERT_EQ(this->sim->parameterRecord(), stored.writeBody());

    Rows shown;
    this->runItem("backupsItem", [&](widgets::CompareDlg& backups) {
        EXPECT_EQ(backups.windowTitle(), "Sicherungen");
        ASSERT_EQ(backups.backupList()->count(), 1);
        this->clickRow(backups.backupList(), 0);
        EXPECT_EQ(backups.table()->horizontalHeaderItem(2)->text(), "Sicherung");
        shown = this->rowsOf(backups);
        QTest::mouseClick(backups.applyButton(), Qt::LeftButton);
    });
    // The backup holds the unit's earlier values, the pages the new ones.
    Rows expected = this->expectedRows();
    for (auto& row : expected) std::swap(row[2], row[3]);
    EXPECT_EQ(shown, expected);

    this->sim->clearReceived();
    this->click(this->ids().write);
    EXPECT_TRUE(this->messages.shown.empty()) << this->messages.lastText().toStdString();
    EXPECT_EQ(this->sim->parameterRecord(), earlier);
}

TYPED_TEST(Compare, TheDialogsSpeakTheInterfaceLanguage) {
    this->window.reset();
    this->sim.reset();
    this->start(TypeParam::unit(), std::string(TypeParam::kProgram) + " english");
    QAction* compareItem = this->window->windowMenu()->template findChild<QAction*>("compareItem");
    QAction* backupsItem = this->window->windowMenu()->template findChild<QAction*>("backupsItem");
    ASSERT_NE(compareItem, nullptr);
    ASSERT_NE(backupsItem, nullptr);
    EXPECT_EQ(compareItem->text(), QString::fromUtf8("Compare \u2026"));
    EXPECT_EQ(backupsItem->text(), QString::fromUtf8("Backups \u2026"));
    this->runItem("compareItem", [](widgets::CompareDlg& compare) {
        EXPECT_EQ(compare.windowTitle(), "Compare");
        EXPECT_EQ(compare.fileChoice()->text(), "Setting file");
        EXPECT_EQ(compare.applyButton()->text(), "Apply");
        EXPECT_FALSE(compare.applyButton()->isEnabled());
        EXPECT_EQ(compare.closeButton()->text(), "Close");
        // The factory entry of the English interface is a set to compare with.
        EXPECT_GE(compare.setNames()->findText("factory setting"), 0);
    });
    this->runItem("backupsItem", [](widgets::CompareDlg& backups) {
        EXPECT_EQ(backups.windowTitle(), "Backups");
        EXPECT_EQ(backups.backupList()->count(), 0);
        EXPECT_EQ(backups.summary()->text(), "There is no backup for this serial number.");
    });
}

}  // namespace
