#include "osmosis/child_dlg_func1.h"

#include "widgets/mask_setup.h"

namespace osmosis {

CChildDlg_Func1::CChildDlg_Func1(shell::MainWindowBase& owner) : ChildPage(owner) {
    ui_.setupUi(this);
}

// Until the first read every radio group stands on its first button.
void CChildDlg_Func1::setUpFields() {
    widgets::setUpMasks(this,
                        {{1063, "##", "00"},
                         {1066, "##", "00"},
                         {1068, "###", "000"},
                         {1076, "##", "00"},
                         {1084, "##", "00"},
                         {1086, "##", "00"},
                         {1089, "##", "00"},
                         {1094, "##", "00"},
                         {1096, "#", "0"},
                         {1104, "##", "00"},
                         {1111, "##", "00"},
                         {1121, "##", "00"}},
                        QChar(' '));
    for (QRadioButton* first :
         {ui_.onlyPump1Radio, ui_.lowPressureNormOpenRadio, ui_.motorNormOpenRadio,
          ui_.excessPressureNormOpenRadio, ui_.concentrateNormOpenRadio, ui_.stopInputNormOpenRadio,
          ui_.progInputNormOpenRadio, ui_.emergencyProgramRadio})
        first->setChecked(true);
}

}  // namespace osmosis
