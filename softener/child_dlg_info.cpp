#include "softener/child_dlg_info.h"

#include "softener/mask_setup.h"

CChildDlg_Info::CChildDlg_Info(shell::MainWindowBase& owner) : ChildPage(owner) {
    ui_.setupUi(this);
}

void CChildDlg_Info::setUpFields() {
    softener::setUpMasks(this, {{1077, "####,#", "00000"},
                                {1078, "###,#", "0000"},
                                {1079, "#", "0"},
                                {1080, "##", "00"},
                                {1081, "#####,#", "000000"},
                                {1082, "#####,#", "000000"}});
}
