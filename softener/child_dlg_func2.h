// Parameter page 2.
#pragma once

#include "shell/child_page.h"
#include "ui_childdlg_func2.h"

class CChildDlg_Func2 : public shell::ChildPage {
    Q_OBJECT
  public:
    explicit CChildDlg_Func2(shell::MainWindowBase& owner);
    void setUpFields() override;
    void setPartner(class CChildDlg_Func1* partner) { partner_ = partner; }
    // Start stages above the number of stages come down to it.
    void limitStartStages(QChar count);

  private:
    void checkStartStage(bool program1);

    Ui::ChildDlgFunc2 ui_;
    CChildDlg_Func1* partner_ = nullptr;
};
