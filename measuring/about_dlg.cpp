#include "measuring/about_dlg.h"

namespace measuring {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    ui_.setupUi(this);
    setWindowTitle(QString::fromUtf8("Info \u00FCber Vantiqo"));
    setFixedSize(size());
    ui_.iconFrame->setStyleSheet("border-image: url(:/icons/vantiqo.xpm);");
    connect(ui_.okButton, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace measuring
