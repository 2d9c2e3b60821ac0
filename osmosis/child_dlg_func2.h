// Parameter page 2 of the reverse-osmosis program: conductivity limits,
// calibration, the analogue interface, temperature, water meters, metering
// and the unit's language.
#pragma once

#include "shell/child_page.h"
#include "ui_pln2_func2.h"

namespace osmosis {

class CChildDlg_Func2 : public shell::ChildPage {
    Q_OBJECT
  public:
    explicit CChildDlg_Func2(shell::MainWindowBase& owner);
    void setUpFields() override;

  private:
    Ui::Pln2ChildDlgFunc2 ui_;
};

}  // namespace osmosis
