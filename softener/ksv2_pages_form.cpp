#include "softener/ksv2_pages_form.h"

#include "softener/aquendor_ksv2_dlg.h"
#include "softener/child_dlg_func1.h"
#include "softener/child_dlg_func4.h"
#include "softener/child_dlg_info.h"

namespace softener {

Ksv2PagesForm::Ksv2PagesForm(CAquendorKSV2Dlg& window)
    : widgets::PageHostForm(window.pageHost()), window_(window) {}

void Ksv2PagesForm::showHardnessUnit(int unit) {
    window_.infoPage()->showHardnessUnit(unit);
    window_.func1Page()->showCapacityUnit(unit);
}

void Ksv2PagesForm::showSmsCapability(bool longForm) {
    window_.func4Page()->showSmsCapability(longForm);
}

}  // namespace softener
