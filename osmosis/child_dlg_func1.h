// Parameter page 1 of the reverse-osmosis program: flushing, pumps, the
// pressure input and the switching inputs with the relay "PR".
#pragma once

#include "shell/child_page.h"
#include "ui_pln2_func1.h"

namespace osmosis {

class CChildDlg_Func1 : public shell::ChildPage {
    Q_OBJECT
  public:
    explicit CChildDlg_Func1(shell::MainWindowBase& owner);
    void setUpFields() override;

  private:
    Ui::Pln2ChildDlgFunc1 ui_;
};

}  // namespace osmosis
