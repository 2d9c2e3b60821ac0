// Parameter page 3.
#pragma once

#include "shell/child_page.h"
#include "ui_childdlg_func3.h"

class CChildDlg_Func3 : public shell::ChildPage {
    Q_OBJECT
  public:
    explicit CChildDlg_Func3(shell::MainWindowBase& owner);
    void setUpFields() override;

  private:
    Ui::ChildDlgFunc3 ui_;
};
