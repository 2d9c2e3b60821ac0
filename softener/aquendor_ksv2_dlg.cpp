#include "softener/aquendor_ksv2_dlg.h"

#include <QCheckBox>

#include "resources/ids/ksv2_ids.h"
#include "shell/controls.h"
#include "softener/about_dlg.h"
#include "softener/child_dlg_func1.h"
#include "softener/child_dlg_func2.h"
#include "softener/child_dlg_func3.h"
#include "softener/child_dlg_func4.h"
#include "softener/child_dlg_info.h"
#include "softener/ksv2_pages_form.h"
#include "softener/ksv2_profile.h"
#include "softener/ksv2_unit_functions.h"
#include "softener/parameter_record.h"
#include "softener/status_values.h"

// Resources of a static library are registered by hand, outside any namespace.
static void initResources() {
    Q_INIT_RESOURCE(softener);
}

CAquendorKSV2Dlg::CAquendorKSV2Dlg(shell::MessageService& messages, QWidget* parent)
    : ControllerWindow(softener::ksv2Profile(), messages, parent) {
    initResources();
    ui_.setupUi(this);
    new softener::Ksv2UnitFunctions(*this);  // the window's child
    finishTemplate();
}

CChildDlg_Info* CAquendorKSV2Dlg::infoPage() const {
    return pageAs<CChildDlg_Info>(0);
}

CChildDlg_Func1* CAquendorKSV2Dlg::func1Page() const {
    return pageAs<CChildDlg_Func1>(1);
}

CChildDlg_Func2* CAquendorKSV2Dlg::func2Page() const {
    return pageAs<CChildDlg_Func2>(2);
}

CChildDlg_Func3* CAquendorKSV2Dlg::func3Page() const {
    return pageAs<CChildDlg_Func3>(3);
}

CChildDlg_Func4* CAquendorKSV2Dlg::func4Page() const {
    return pageAs<CChildDlg_Func4>(4);
}

std::unique_ptr<controller::ParameterForm> CAquendorKSV2Dlg::makeForm() {
    return std::make_unique<softener::Ksv2PagesForm>(*this);
}

// Check box "before service" of page 1 and "BV off" of page 2 exclude each
// other; page 4 gives its selector the focus.
void CAquendorKSV2Dlg::beforeShowPage(int index) {
    using namespace ksv2::ids;
    if (index == 1) {
        auto* bvOff = shell::controlAs<QCheckBox>(func2Page(), BvOffCheck);
        shell::enableControl(func1Page(), BeforeServiceCheck, !(bvOff && bvOff->isChecked()));
    } else if (index == 2) {
        auto* beforeService = shell::controlAs<QCheckBox>(func1Page(), BeforeServiceCheck);
        shell::enableControl(func2Page(), BvOffCheck,
                             !(beforeService && beforeService->isChecked()));
    } else if (index == 4) {
        if (QWidget* selector = shell::control(this, Func4PageRadio)) selector->setFocus();
    }
}

void CAquendorKSV2Dlg::showAboutBox() {
    CAboutDlg about(this);
    about.exec();
}

void CAquendorKSV2Dlg::decodeAll() {
    softener::Ksv2PagesForm form(*this);
    // The page's box, as the operator may have left it, picks the hardness shown.
    infoPage()->showStatus(softener::statusValues(statusArea(), parameterRecord(),
                                                  form.isChecked(1, ksv2::ids::CalcCapacityCheck)));
    softener::decodeParameters(parameterRecord(), form);
}
