#include "widgets/compare_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/changes_table.h"

namespace widgets {

CompareDlg::CompareDlg(CompareSource& source, Mode mode, QWidget* parent)
    : QDialog(parent), source_(source) {
    setObjectName(mode == Mode::Compare ? "compareDlg" : "backupsDlg");
    setWindowTitle(mode == Mode::Compare ? tr2("Vergleichen", "Compare")
                                         : tr2("Sicherungen", "Backups"));
    buildControls(mode);
    fillBackups();
    resize(720, mode == Mode::Compare ? 560 : 500);
    if (mode == Mode::Backups && backups_->count() > 0) backups_->setCurrentRow(0);
}

QString CompareDlg::tr2(const char* german, const char* english) const {
    return QString::fromUtf8(source_.english() ? english : german);
}

QString CompareDlg::backupText(const controller::UnitBackup& backup) {
    const controller::BackupStamp& s = backup.stamp;
    QString text =
        QString::asprintf("%02d.%02d.%04d %02d:%02d", s.day, s.month, s.year, s.hour, s.minute);
    if (backup.taken > 0) text += QString(" (%1)").arg(backup.taken + 1);
    return text;
}

QWidget* CompareDlg::sourceChoice() {
    auto* group = new QGroupBox(tr2("Vergleichen mit", "Compare with"), this);
    setChoice_ = new QRadioButton(tr2("Gespeicherte Einstellung", "Stored setting"), group);
    fileChoice_ = new QRadioButton(tr2("Einstellungsdatei", "Setting file"), group);
    backupChoice_ = new QRadioButton(tr2("Sicherung des Ger\u00E4ts", "Backup of the unit"), group);
    names_ = new QComboBox(group);
    names_->setAccessibleName(setChoice_->text());
    names_->addItems(source_.setNames());
    names_->setCurrentIndex(-1);
    fileName_ = new QLabel(group);
    fileButton_ = new QPushButton(tr2("Datei w\u00E4hlen \u2026", "Choose file \u2026"), group);
    fileButton_->setAutoDefault(false);
    auto* grid = new QGridLayout(group);
    grid->addWidget(setChoice_, 0, 0);
    grid->addWidget(names_, 0, 1, 1, 2);
    grid->addWidget(fileChoice_, 1, 0);
    grid->addWidget(fileName_, 1, 1);
    grid->addWidget(fileButton_, 1, 2);
    grid->addWidget(backupChoice_, 2, 0, Qt::AlignTop);
    grid->addWidget(backups_, 2, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    connect(names_, &QComboBox::currentIndexChanged, this, [this] {
        setChoice_->setChecked(true);
        compareSet();
    });
    connect(setChoice_, &QRadioButton::clicked, this, [this] { compareSet(); });
    connect(fileButton_, &QPushButton::clicked, this, [this] {
        const QString chosen = source_.chooseFile();
        if (chosen.isEmpty()) return;
        file_ = chosen;
        fileName_->setText(file_);
        fileChoice_->setChecked(true);
        compareFile();
    });
    connect(fileChoice_, &QRadioButton::clicked, this, [this] { compareFile(); });
    connect(backupChoice_, &QRadioButton::clicked, this, [this] { compareBackup(); });
    return group;
}

void CompareDlg::buildControls(Mode mode) {
    backups_ = new QListWidget(this);
    backups_->setAccessibleName(tr2("Sicherungen des Ger\u00E4ts", "Backups of the unit"));
    backups_->setMaximumHeight(mode == Mode::Compare ? 110 : 170);
    connect(backups_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        if (backupChoice_) backupChoice_->setChecked(true);
        compareBackup();
    });
    summary_ = new QLabel(this);
    summary_->setObjectName("compareSummary");
    summary_->setWordWrap(true);
    table_ = new ChangesTable({tr2("Seite", "Page"), tr2("Parameter", "Parameter"),
                               tr2("Einstellung", "Setting"), tr2("Seiten", "Pages")},
                              source_.pageNames(), source_.english(), this);
    table_->setObjectName("compareChanges");
    table_->setAccessibleName(tr2("Unterschiede", "Differences"));
    apply_ = new QPushButton(tr2("\u00DCbernehmen", "Apply"), this);
    apply_->setObjectName("applyButton");
    apply_->setEnabled(false);
    close_ = new QPushButton(tr2("Schlie\u00DFen", "Close"), this);
    close_->setObjectName("closeButton");
    // Enter changes nothing on the pages.
    close_->setDefault(true);
    apply_->setAutoDefault(false);
    connect(apply_, &QPushButton::clicked, this, &QDialog::accept);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    if (mode == Mode::Compare) {
        layout->addWidget(sourceChoice());
    } else {
        layout->addWidget(new QLabel(tr2("Sicherungen des Ger\u00E4ts, die neueste zuerst:",
                                         "Backups of the unit, newest first:"),
                                     this));
        layout->addWidget(backups_);
    }
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(apply_);
    buttons->addWidget(close_);
    layout->addLayout(buttons);
}

void CompareDlg::fillBackups() {
    backupFiles_ = source_.backups();
    for (const controller::UnitBackup& backup : backupFiles_) backups_->addItem(backupText(backup));
    if (backupFiles_.empty())
        summary_->setText(tr2("Zu dieser Seriennummer gibt es keine Sicherung.",
                              "There is no backup for this serial number."));
}

void CompareDlg::compareSet() {
    const QString name = names_->currentText();
    if (names_->currentIndex() < 0) return showComparison(std::nullopt, QString(), QString());
    std::optional<std::vector<std::string>> lines = source_.setLines(name);
    showComparison(
        std::move(lines),
        tr2("Die Einstellung %1 kann nicht gelesen werden.", "The setting %1 cannot be read.")
            .arg(name),
        tr2("Einstellung", "Setting"));
}

void CompareDlg::compareFile() {
    if (file_.isEmpty()) return showComparison(std::nullopt, QString(), QString());
    QString problem;
    std::optional<std::vector<std::string>> lines = source_.fileLines(file_, problem);
    showComparison(std::move(lines), problem, tr2("Datei", "File"));
}

void CompareDlg::compareBackup() {
    const int row = backups_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= backupFiles_.size())
        return showComparison(std::nullopt, QString(), QString());
    QString problem;
    const QString path = QString::fromStdString(backupFiles_[static_cast<std::size_t>(row)].path);
    std::optional<std::vector<std::string>> lines = source_.fileLines(path, problem);
    showComparison(std::move(lines), problem, tr2("Sicherung", "Backup"));
}

void CompareDlg::showComparison(std::optional<std::vector<std::string>> lines,
                                const QString& problem, const QString& column) {
    lines_ = std::move(lines);
    apply_->setEnabled(lines_.has_value());
    if (!lines_) {
        table_->showChanges({});
        summary_->setText(problem);
        return;
    }
    const std::vector<controller::ValueChange> changes = source_.changesAgainst(*lines_);
    table_->setHorizontalHeaderItem(2, new QTableWidgetItem(column));
    table_->showChanges(changes);
    if (changes.empty())
        summary_->setText(tr2("Keine Unterschiede zu den Seiten.", "No differences to the pages."));
    else if (changes.size() == 1)
        summary_->setText(tr2("Ein Parameter unterscheidet sich von den Seiten:",
                              "One parameter differs from the pages:"));
    else
        summary_->setText(tr2("%1 Parameter unterscheiden sich von den Seiten:",
                              "%1 parameters differ from the pages:")
                              .arg(changes.size()));
}

}  // namespace widgets
