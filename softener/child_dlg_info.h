// The status page: plant status, values, the last access and the lamp panel
// with its blinking alarm lamps.
#pragma once

#include <string>

#include "softener/status_record.h"
#include "ui_childdlg_info.h"
#include "widgets/status_page.h"

class CChildDlg_Info : public widgets::StatusPage {
    Q_OBJECT
  public:
    explicit CChildDlg_Info(shell::MainWindowBase& owner);
    void setUpFields() override;

    // Shows a status area; hardness is the value for the hardness field
    // (measured or the parameter, as the caller decides).
    void showStatus(const std::string& area, int plantType, double hardness);
    // Hardness unit 0, 1, 2: the capacity and hardness unit labels.
    void showHardnessUnit(int unit);

  private:
    void showPlantStatus(const std::string& area, int plantType);
    void resetStage();

    Ui::ChildDlgInfo ui_;
};
