#include "osmosis/pln2_pages_form.h"

#include "osmosis/aquendor_pln2_dlg.h"
#include "osmosis/child_dlg_func3.h"

namespace osmosis {

Pln2PagesForm::Pln2PagesForm(CAquendorPLN2Dlg& window)
    : widgets::PageHostForm(window.pageHost()), window_(window) {}

void Pln2PagesForm::showSmsCapability(bool longForm) {
    window_.func3Page()->setSmsAvailable(longForm);
}

}  // namespace osmosis
