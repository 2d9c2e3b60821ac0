// The softener window on a simulated unit bound as COM2.
#pragma once

#include "controller_fixture.h"
#include "softener/aquendor_ksv2_dlg.h"
#include "softener/child_dlg_func1.h"
#include "softener/child_dlg_func2.h"
#include "softener/child_dlg_func3.h"
#include "softener/child_dlg_func4.h"
#include "softener/child_dlg_info.h"

namespace testsupport {

class Ksv2Window : public ControllerWindowTest<CAquendorKSV2Dlg> {
  protected:
    void SetUp() override { start(unitsim::Config{}, "AquendorKSV2"); }
};

}  // namespace testsupport
