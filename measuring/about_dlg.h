// The about box, opened from the main window's context menu.
#pragma once

#include <QDialog>

#include "ui_vantiqo_about_dlg.h"

namespace measuring {

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

  private:
    Ui::VantiqoAboutDlg ui_;
};

}  // namespace measuring
