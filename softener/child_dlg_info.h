// The status page: plant status, values, the last access and the lamp panel
// with its blinking alarm lamps.
#pragma once

#include <string>

#include "controller/unit_value.h"
#include "softener/status_record.h"
#include "ui_childdlg_info.h"
#include "widgets/status_page.h"

class CChildDlg_Info : public widgets::StatusPage {
    Q_OBJECT
  public:
    explicit CChildDlg_Info(shell::MainWindowBase& owner);
    void setUpFields() override;

    // Shows the status values (softener::statusValues): each field its
    // value's text; a value not present leaves its field as it was.
    void showStatus(const controller::UnitValues& values);
    // Hardness unit 0, 1, 2: the capacity and hardness unit labels.
    void showHardnessUnit(int unit);

  private:
    Ui::ChildDlgInfo ui_;
};
