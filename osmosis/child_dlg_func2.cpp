#include "osmosis/child_dlg_func2.h"

#include "resources/ids/pln2_ids.h"
#include "widgets/mask_setup.h"

namespace osmosis {

CChildDlg_Func2::CChildDlg_Func2(shell::MainWindowBase& owner) : ChildPage(owner) {
    ui_.setupUi(this);
}

// The calibration factor (CalibrationFactorEdit) is filled by the status
// read only; the zero point (ZeroPointEdit) keeps what is typed, nothing
// fills or sends it.
void CChildDlg_Func2::setUpFields() {
    using namespace pln2::ids;
    widgets::setUpMasks(this,
                        {{CellConstantEdit, "#,##", "000"},
                         {MaxLimitEdit, "####,#", "00000"},
                         {MaxDelayEdit, "##", "00"},
                         {MinLimitEdit, "####,#", "00000"},
                         {MinDelayEdit, "##", "00"},
                         {CalibrationFactorEdit, "#,#####", "000000"},
                         {ZeroPointEdit, "###", "000"},
                         {CompensationFactorEdit, "#,##", "000"},
                         {ManualTemperatureEdit, "##", "00"},
                         {TemperatureLimitEdit, "##", "00"},
                         {TemperatureDelayEdit, "##", "00"},
                         {WaterMeter1Edit, "###,###", "000000"},
                         {WaterMeter2Edit, "###,###", "000000"},
                         {ResolutionEdit, "###,###", "000000"},
                         {ImpulseEdit, "##,#", "000"}},
                        QChar(' '));
    for (QRadioButton* first :
         {ui_.interface020Radio, ui_.manualRadio, ui_.meteringMeter1Radio, ui_.germanRadio})
        first->setChecked(true);
}

}  // namespace osmosis
