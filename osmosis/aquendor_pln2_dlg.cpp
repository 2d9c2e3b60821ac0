#include "osmosis/aquendor_pln2_dlg.h"

#include "controller/record_codec.h"
#include "osmosis/about_dlg.h"
#include "osmosis/child_dlg_func1.h"
#include "osmosis/child_dlg_func2.h"
#include "osmosis/child_dlg_func3.h"
#include "osmosis/child_dlg_info.h"
#include "osmosis/parameter_layout.h"
#include "osmosis/pln2_pages_form.h"
#include "osmosis/pln2_profile.h"
#include "osmosis/pln2_unit_functions.h"
#include "osmosis/status_values.h"
#include "resources/ids/pln2_ids.h"

// Resources of a static library are registered by hand, outside any namespace.
static void initResources() {
    Q_INIT_RESOURCE(osmosis);
}

CAquendorPLN2Dlg::CAquendorPLN2Dlg(shell::MessageService& messages, QWidget* parent)
    : ControllerWindow(osmosis::pln2Profile(), messages, parent) {
    initResources();
    ui_.setupUi(this);
    functions_ = new osmosis::Pln2UnitFunctions(*this);  // the window's child
    finishTemplate();
}

osmosis::CChildDlg_Info* CAquendorPLN2Dlg::infoPage() const {
    return pageAs<osmosis::CChildDlg_Info>(0);
}

osmosis::CChildDlg_Func1* CAquendorPLN2Dlg::func1Page() const {
    return pageAs<osmosis::CChildDlg_Func1>(1);
}

osmosis::CChildDlg_Func2* CAquendorPLN2Dlg::func2Page() const {
    return pageAs<osmosis::CChildDlg_Func2>(2);
}

osmosis::CChildDlg_Func3* CAquendorPLN2Dlg::func3Page() const {
    return pageAs<osmosis::CChildDlg_Func3>(3);
}

std::unique_ptr<controller::ParameterForm> CAquendorPLN2Dlg::makeForm() {
    return std::make_unique<osmosis::Pln2PagesForm>(*this);
}

void CAquendorPLN2Dlg::showAboutBox() {
    osmosis::CAboutDlg about(this);
    about.exec();
}

// The calibration factor is the one page field the status read fills.
void CAquendorPLN2Dlg::decodeAll() {
    osmosis::Pln2PagesForm form(*this);
    const controller::UnitValues status = osmosis::statusValues(statusArea());
    infoPage()->showStatus(status);
    form.setMaskText(2, pln2::ids::CalibrationFactorEdit,
                     controller::valueNamed(status, "calibration_factor").characters);
    controller::decodeRecord(osmosis::osmosisLayout(), parameterRecord(), form);
}
