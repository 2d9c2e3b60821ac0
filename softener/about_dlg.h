// The about box, opened from the main window's context menu.
#pragma once

#include <QDialog>

#include "ui_about_dlg.h"

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

  private:
    Ui::AboutDlg ui_;
};
