// The status page: plant status, values, the last access and the lamp panel.
#pragma once

#include "shell/child_page.h"
#include "ui_childdlg_info.h"

class CChildDlg_Info : public shell::ChildPage {
    Q_OBJECT
  public:
    explicit CChildDlg_Info(shell::MainWindowBase& owner);
    void setUpFields();

  private:
    Ui::ChildDlgInfo ui_;
};
