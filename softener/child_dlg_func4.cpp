#include "softener/child_dlg_func4.h"

#include "resources/ids/ksv2_ids.h"

CChildDlg_Func4::CChildDlg_Func4(shell::MainWindowBase& owner)
    : widgets::AlarmSmsPage(owner, ksv2::ids::Func4PageRadio, "62M036", "92M038") {
    ui_.setupUi(this);
    setUpInputs({ui_.regStopCheck});
}

void CChildDlg_Func4::setUpFields() {
    showSmsCapability(false);
}
