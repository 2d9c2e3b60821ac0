// The reverse-osmosis program's about box, opened from the main window's
// context menu.
#pragma once

#include <QDialog>

#include "ui_pln2_about_dlg.h"

namespace osmosis {

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

  private:
    Ui::Pln2AboutDlg ui_;
};

}  // namespace osmosis
