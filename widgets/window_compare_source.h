// The controller window as the compare dialog sees it: the names of the
// stored sets, the store and setting files read without touching the
// pages, the unit's backups by the serial number in the window, and the
// pages compared with a set's value lines.
#pragma once

#include "widgets/compare_dlg.h"

namespace widgets {

class ControllerWindow;

class WindowCompareSource : public CompareSource {
  public:
    explicit WindowCompareSource(ControllerWindow& window) : window_(window) {}

    bool english() const override;
    QStringList setNames() const override;
    std::optional<std::vector<std::string>> setLines(const QString& name) override;
    std::optional<std::vector<std::string>> fileLines(const QString& path,
                                                      QString& problem) override;
    QString chooseFile() override;
    std::vector<controller::UnitBackup> backups() const override;
    std::vector<controller::ValueChange> changesAgainst(
        const std::vector<std::string>& lines) override;
    QStringList pageNames() const override;

  private:
    ControllerWindow& window_;
    QString folder_;  // where the file dialog opens: the last folder used
};

}  // namespace widgets
