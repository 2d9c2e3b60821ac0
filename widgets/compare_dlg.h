// Comparing the pages with a stored parameter set: a named set of the
// store, a setting file or one of the unit's backups (newest first, with
// date and time). The table lists every parameter the set would change on
// the pages, the set's text beside the page's; "Übernehmen" / "Apply"
// puts the set on the pages as Import does, "Schließen" / "Close" leaves
// them. As "Sicherungen" / "Backups" the dialog offers the unit's backups
// alone: the way back to a unit's earlier parameters is choosing one,
// "Übernehmen" and "schreiben".
#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "controller/backup_files.h"
#include "controller/value_changes.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace widgets {

class ChangesTable;

// What the dialog needs of the window.
class CompareSource {
  public:
    virtual ~CompareSource() = default;
    virtual bool english() const = 0;
    virtual QStringList setNames() const = 0;
    virtual std::optional<std::vector<std::string>> setLines(const QString& name) = 0;
    // A file's value lines, or why it gives none.
    virtual std::optional<std::vector<std::string>> fileLines(const QString& path,
                                                              QString& problem) = 0;
    // The setting file to compare with, from the file dialog; empty: none.
    virtual QString chooseFile() = 0;
    virtual std::vector<controller::UnitBackup> backups() const = 0;
    // Before: the set's text; after: the page's.
    virtual std::vector<controller::ValueChange> changesAgainst(
        const std::vector<std::string>& lines) = 0;
    virtual QStringList pageNames() const = 0;
};

class CompareDlg : public QDialog {
    Q_OBJECT
  public:
    enum class Mode { Compare, Backups };
    CompareDlg(CompareSource& source, Mode mode, QWidget* parent = nullptr);

    // The set chosen when "Übernehmen" was pressed.
    const std::optional<std::vector<std::string>>& chosenLines() const { return lines_; }

    QRadioButton* setChoice() const { return setChoice_; }
    QRadioButton* fileChoice() const { return fileChoice_; }
    QRadioButton* backupChoice() const { return backupChoice_; }
    QComboBox* setNames() const { return names_; }
    QPushButton* fileButton() const { return fileButton_; }
    QListWidget* backupList() const { return backups_; }
    ChangesTable* table() const { return table_; }
    QLabel* summary() const { return summary_; }
    QPushButton* applyButton() const { return apply_; }
    QPushButton* closeButton() const { return close_; }

    // "07.12.2026 14:30", a second backup of the minute "07.12.2026 14:30 (2)".
    static QString backupText(const controller::UnitBackup& backup);

  private:
    QString tr2(const char* german, const char* english) const;
    void buildControls(Mode mode);
    QWidget* sourceChoice();
    void fillBackups();
    void compareSet();
    void compareFile();
    void compareBackup();
    void showComparison(std::optional<std::vector<std::string>> lines, const QString& problem,
                        const QString& column);

    CompareSource& source_;
    std::vector<controller::UnitBackup> backupFiles_;
    std::optional<std::vector<std::string>> lines_;
    QString file_;
    QRadioButton* setChoice_ = nullptr;
    QRadioButton* fileChoice_ = nullptr;
    QRadioButton* backupChoice_ = nullptr;
    QComboBox* names_ = nullptr;
    QLabel* fileName_ = nullptr;
    QPushButton* fileButton_ = nullptr;
    QListWidget* backups_ = nullptr;
    ChangesTable* table_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace widgets
