#include "widgets/window_compare_source.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>

#include "widgets/controller_window.h"

namespace widgets {

bool WindowCompareSource::english() const {
    return window_.english();
}

QStringList WindowCompareSource::setNames() const {
    QStringList names;
    const QComboBox* box = window_.settings().namesBox();
    for (int i = 0; box && i < box->count(); ++i) names.append(box->itemText(i));
    return names;
}

std::optional<std::vector<std::string>> WindowCompareSource::setLines(const QString& name) {
    return window_.settings().store().setLines(name.toStdString());
}

std::optional<std::vector<std::string>> WindowCompareSource::fileLines(const QString& path,
                                                                       QString& problem) {
    controller::SettingsStore::FileLines file =
        window_.settings().store().settingFileLines(QFile::encodeName(path).toStdString());
    problem = QString::fromStdString(file.problem);
    return std::move(file.lines);
}

QString WindowCompareSource::chooseFile() {
    const QString chosen = window_.messages().openFileName(
        &window_, english() ? "Compare with a setting file" : "Mit Einstellungsdatei vergleichen",
        folder_.isEmpty() ? QString::fromStdString(window_.startDirectory()) : folder_,
        "Setting Files (*.stg)");
    if (!chosen.isEmpty()) folder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

std::vector<controller::UnitBackup> WindowCompareSource::backups() const {
    return controller::unitBackups(window_.startDirectory(), window_.serialNumberText());
}

std::vector<controller::ValueChange> WindowCompareSource::changesAgainst(
    const std::vector<std::string>& lines) {
    return window_.changesAgainstLines(lines);
}

QStringList WindowCompareSource::pageNames() const {
    return window_.pageNames();
}

}  // namespace widgets
