#include "osmosis/child_dlg_func3.h"

#include <QCheckBox>

#include "osmosis/parameter_layout.h"
#include "resources/ids/pln2_ids.h"
#include "shell/controls.h"

namespace osmosis {

CChildDlg_Func3::CChildDlg_Func3(shell::MainWindowBase& owner)
    : AlarmSmsPage(owner, pln2::ids::Func3PageRadio, "63M030", "91M030") {
    ui_.setupUi(this);
    setUpInputs({ui_.pressureMaxCheck, ui_.rangeExceededCheck, ui_.frostCheck});
}

void CChildDlg_Func3::setSmsAvailable(bool supported) {
    for (int box : kAlarmBoxes) shell::enableControl(this, box, supported);
    for (QWidget* input : std::initializer_list<QWidget*>{
             ui_.prefixEdit, ui_.smsNumberCombo, ui_.saveSmsNumberButton, ui_.deleteSmsNumberButton,
             ui_.additionalTextEdit})
        input->setEnabled(supported);
    showAvailability(supported);
    if (supported) return;
    for (int box : kAlarmBoxes)
        if (auto* check = shell::controlAs<QCheckBox>(this, box)) check->setChecked(false);
}

}  // namespace osmosis
