#include "osmosis/pages_form.h"

#include "osmosis/aquendor_pln2_dlg.h"
#include "osmosis/child_dlg_func3.h"

namespace osmosis {

PagesForm::PagesForm(CAquendorPLN2Dlg& window) : PageForm(window.pageHost()), window_(window) {}

void PagesForm::showSmsCapability(bool longForm) {
    window_.func3Page()->setSmsAvailable(longForm);
}

}  // namespace osmosis
