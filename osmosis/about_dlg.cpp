#include "osmosis/about_dlg.h"

namespace osmosis {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    ui_.setupUi(this);
    setFixedSize(size());
    ui_.iconFrame->setStyleSheet("border-image: url(:/icons/aquendorpln2.xpm);");
    connect(ui_.okButton, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace osmosis
