#include "softener/child_dlg_func3.h"

#include "resources/ids/ksv2_ids.h"
#include "widgets/mask_setup.h"

CChildDlg_Func3::CChildDlg_Func3(shell::MainWindowBase& owner) : ChildPage(owner) {
    ui_.setupUi(this);
}

void CChildDlg_Func3::setUpFields() {
    using namespace ksv2::ids;
    widgets::setUpMasks(this, {{Svc1DelayEdit, "##", "00"},
                               {Svc2DelayEdit, "##", "00"},
                               {Prog1DelayEdit, "##", "00"},
                               {Alc1DelayEdit, "##", "00"},
                               {Alc2DelayEdit, "##", "00"},
                               {Prog2DelayEdit, "##", "00"},
                               {MaxHardnessEdit, "###.#", "0000"},
                               {MinHardnessEdit, "###.#", "0000"}});
    for (QRadioButton* first : {ui_.svc1NormOpenRadio, ui_.svc2NormOpenRadio, ui_.alc1NormOpenRadio,
                                ui_.alc2NormOpenRadio, ui_.prog1NormOpenRadio,
                                ui_.prog2NormOpenRadio, ui_.interface020Radio, ui_.germanRadio})
        first->setChecked(true);
}
