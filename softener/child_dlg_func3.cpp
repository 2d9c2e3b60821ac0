#include "softener/child_dlg_func3.h"

#include "widgets/mask_setup.h"

CChildDlg_Func3::CChildDlg_Func3(shell::MainWindowBase& owner) : ChildPage(owner) {
    ui_.setupUi(this);
}

void CChildDlg_Func3::setUpFields() {
    widgets::setUpMasks(this, {{1230, "##", "00"},
                               {1237, "##", "00"},
                               {1244, "##", "00"},
                               {1215, "##", "00"},
                               {1222, "##", "00"},
                               {1251, "##", "00"},
                               {1259, "###.#", "0000"},
                               {1262, "###.#", "0000"}});
    for (QRadioButton* first : {ui_.svc1NormOpenRadio, ui_.svc2NormOpenRadio, ui_.alc1NormOpenRadio,
                                ui_.alc2NormOpenRadio, ui_.prog1NormOpenRadio,
                                ui_.prog2NormOpenRadio, ui_.interface020Radio, ui_.germanRadio})
        first->setChecked(true);
}
