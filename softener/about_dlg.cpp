#include "softener/about_dlg.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    ui_.setupUi(this);
    setFixedSize(size());
    ui_.iconFrame->setStyleSheet("border-image: url(:/icons/aquendorksv2.xpm);");
    connect(ui_.okButton, &QPushButton::clicked, this, &QDialog::accept);
}
