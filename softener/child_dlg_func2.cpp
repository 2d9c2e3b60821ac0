#include "softener/child_dlg_func2.h"

#include "softener/mask_setup.h"

CChildDlg_Func2::CChildDlg_Func2(shell::MainWindowBase& owner) : ChildPage(owner) {
    ui_.setupUi(this);
}

void CChildDlg_Func2::setUpFields() {
    softener::setUpMasks(this, {{1160, "#", "0"},
                                {1162, "###", "000"},
                                {1166, "#", "1"},
                                {1171, "##", "00"},
                                {1172, "##", "00"},
                                {1173, "##", "00"},
                                {1174, "##", "00"},
                                {1208, "##", "00"},
                                {1178, "###.###", "000000"},
                                {1179, "###.###", "000000"},
                                {1186, "###.###", "000000"},
                                {1189, "##.#", "000"},
                                {1194, "#", "0"},
                                {1196, "##", "00"},
                                {1202, "##", "00"}});
    ui_.startProg1Radio->setChecked(true);
    ui_.dosingMeter1Radio->setChecked(true);
    ui_.startInputNormOpenRadio->setChecked(true);
    ui_.stopInputNormOpenRadio->setChecked(true);
}
