#include "softener/child_dlg_func4.h"

CChildDlg_Func4::CChildDlg_Func4(shell::MainWindowBase& owner)
    : widgets::AlarmSmsPage(owner, 1296, "62M036", "92M038") {
    ui_.setupUi(this);
    setUpInputs({ui_.regStopCheck});
}

void CChildDlg_Func4::setUpFields() {
    showSmsCapability(false);
}
