// Parameter page 1.
#pragma once

#include "shell/child_page.h"
#include "ui_childdlg_func1.h"

class CChildDlg_Func1 : public shell::ChildPage {
    Q_OBJECT
  public:
    explicit CChildDlg_Func1(shell::MainWindowBase& owner);
    void setUpFields() override;
    void setPartner(class CChildDlg_Func2* partner) { partner_ = partner; }
    // The unit label beside the exchange capacity, for hardness unit 0, 1, 2.
    void showCapacityUnit(int unit);
    QChar stageCount() const;

  private:
    void checkStageCount();

    Ui::ChildDlgFunc1 ui_;
    CChildDlg_Func2* partner_ = nullptr;
};
