#include "softener/child_dlg_func1.h"

#include "softener/mask_setup.h"

CChildDlg_Func1::CChildDlg_Func1(shell::MainWindowBase& owner) : ChildPage(owner) {
    ui_.setupUi(this);
    // The interval days count only while the box in front of them is set.
    connect(ui_.intervalActiveCheck, &QCheckBox::clicked, this,
            [this](bool checked) { ui_.intervalDaysEdit->setEnabled(checked); });
}

void CChildDlg_Func1::setUpFields() {
    softener::setUpMasks(this, {{1291, "###,#", "0000"},
                                {1105, "######", "000000"},
                                {1110, "##:##", "0000"},
                                {1111, "##:##", "0000"},
                                {1117, "##", "00"},
                                {1122, "##", "00"},
                                {1126, "###", "000"},
                                {1131, "#", "1"},
                                {1136, "##", "00"},
                                {1137, "##", "00"},
                                {1138, "##", "00"},
                                {1139, "##", "00"},
                                {1145, "##", "00"},
                                {1150, "##", "00"},
                                {1151, "##", "00"},
                                {1152, "##", "00"},
                                {1273, "#", "0"}});
    ui_.plantTypeButtons->setExclusive(true);
    ui_.oneFilterRadio->setChecked(true);
    ui_.valveChangeOverRadio->setChecked(true);
    ui_.unitDHRadio->setChecked(true);
    ui_.intervalDaysEdit->setEnabled(false);
}
