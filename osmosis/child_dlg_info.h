// The reverse-osmosis status page: plant status, conductivity,
// temperature, pressure, the two water meters, operation hours, the last
// access and the lamp panel, whose red lamp blinks on alarm.
#pragma once

#include <string>

#include "controller/unit_value.h"
#include "ui_pln2_info.h"
#include "widgets/status_page.h"

namespace osmosis {

class CChildDlg_Info : public widgets::StatusPage {
    Q_OBJECT
  public:
    explicit CChildDlg_Info(shell::MainWindowBase& owner);
    void setUpFields() override;

    // Shows the status values (osmosis::statusValues): each field its
    // value's text; a plant status not present leaves the text as it was.
    void showStatus(const controller::UnitValues& values);

  private:
    Ui::Pln2ChildDlgInfo ui_;
};

}  // namespace osmosis
