// The reverse-osmosis window's pages as the record codec sees them: page 3
// learns whether the unit supports alarm SMS.
#pragma once

#include "softener/page_form.h"

class CAquendorPLN2Dlg;

namespace osmosis {

class PagesForm : public softener::PageForm {
  public:
    explicit PagesForm(CAquendorPLN2Dlg& window);

    void showSmsCapability(bool longForm) override;

  private:
    CAquendorPLN2Dlg& window_;
};

}  // namespace osmosis
