// The softener window's parameter pages as the record codec sees them:
// the hardness unit names the unit labels of the status page and page 1,
// and page 4 tells whether the unit supports alarm SMS.
#pragma once

#include "widgets/page_host_form.h"

class CAquendorKSV2Dlg;

namespace softener {

class Ksv2PagesForm : public widgets::PageHostForm {
  public:
    explicit Ksv2PagesForm(CAquendorKSV2Dlg& window);

    void showHardnessUnit(int unit) override;
    void showSmsCapability(bool longForm) override;

  private:
    CAquendorKSV2Dlg& window_;
};

}  // namespace softener
