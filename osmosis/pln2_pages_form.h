// The reverse-osmosis window's pages as the record codec sees them: page 3
// learns whether the unit supports alarm SMS.
#pragma once

#include "widgets/page_host_form.h"

class CAquendorPLN2Dlg;

namespace osmosis {

class Pln2PagesForm : public widgets::PageHostForm {
  public:
    explicit Pln2PagesForm(CAquendorPLN2Dlg& window);

    void showSmsCapability(bool longForm) override;

  private:
    CAquendorPLN2Dlg& window_;
};

}  // namespace osmosis
