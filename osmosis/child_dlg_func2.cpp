#include "osmosis/child_dlg_func2.h"

#include "widgets/mask_setup.h"

namespace osmosis {

CChildDlg_Func2::CChildDlg_Func2(shell::MainWindowBase& owner) : ChildPage(owner) {
    ui_.setupUi(this);
}

// The calibration factor (1150) is filled by the status read only; the
// zero point (1156) keeps what is typed, nothing fills or sends it.
void CChildDlg_Func2::setUpFields() {
    widgets::setUpMasks(this,
                        {{1133, "#,##", "000"},
                         {1136, "####,#", "00000"},
                         {1139, "##", "00"},
                         {1143, "####,#", "00000"},
                         {1147, "##", "00"},
                         {1150, "#,#####", "000000"},
                         {1156, "###", "000"},
                         {1166, "#,##", "000"},
                         {1169, "##", "00"},
                         {1172, "##", "00"},
                         {1175, "##", "00"},
                         {1181, "###,###", "000000"},
                         {1185, "###,###", "000000"},
                         {1191, "###,###", "000000"},
                         {1194, "##,#", "000"}},
                        QChar(' '));
    for (QRadioButton* first :
         {ui_.interface020Radio, ui_.manualRadio, ui_.meteringMeter1Radio, ui_.germanRadio})
        first->setChecked(true);
}

}  // namespace osmosis
