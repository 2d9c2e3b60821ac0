// Parameter page 1.
#pragma once

#include "shell/child_page.h"
#include "ui_childdlg_func1.h"

class CChildDlg_Func1 : public shell::ChildPage {
    Q_OBJECT
  public:
    explicit CChildDlg_Func1(shell::MainWindowBase& owner);
    void setUpFields();
    void setPartner(class CChildDlg_Func2* partner) { partner_ = partner; }

  private:
    Ui::ChildDlgFunc1 ui_;
    CChildDlg_Func2* partner_ = nullptr;
};
