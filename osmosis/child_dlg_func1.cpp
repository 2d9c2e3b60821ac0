#include "osmosis/child_dlg_func1.h"

#include "resources/ids/pln2_ids.h"
#include "widgets/mask_setup.h"

namespace osmosis {

CChildDlg_Func1::CChildDlg_Func1(shell::MainWindowBase& owner) : ChildPage(owner) {
    ui_.setupUi(this);
}

// Until the first read every radio group stands on its first button.
void CChildDlg_Func1::setUpFields() {
    using namespace pln2::ids;
    widgets::setUpMasks(this,
                        {{FlushDurationEdit, "##", "00"},
                         {IntervalDurationEdit, "##", "00"},
                         {IntervalEdit, "###", "000"},
                         {QualityDurationEdit, "##", "00"},
                         {DelayPump1Edit, "##", "00"},
                         {DelayPump2Edit, "##", "00"},
                         {MaxPressureEdit, "##", "00"},
                         {LowPressureDelayEdit, "##", "00"},
                         {RestartEdit, "#", "0"},
                         {ExcessPressureDelayEdit, "##", "00"},
                         {ConcentrateDelayEdit, "##", "00"},
                         {StopInputDelayEdit, "##", "00"}},
                        QChar(' '));
    for (QRadioButton* first :
         {ui_.onlyPump1Radio, ui_.lowPressureNormOpenRadio, ui_.motorNormOpenRadio,
          ui_.excessPressureNormOpenRadio, ui_.concentrateNormOpenRadio, ui_.stopInputNormOpenRadio,
          ui_.progInputNormOpenRadio, ui_.emergencyProgramRadio})
        first->setChecked(true);
}

}  // namespace osmosis
