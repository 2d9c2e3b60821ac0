// The reverse-osmosis window on a simulated reverse-osmosis unit bound as COM2.
#pragma once

#include "controller_fixture.h"
#include "osmosis/aquendor_pln2_dlg.h"
#include "osmosis/child_dlg_func1.h"
#include "osmosis/child_dlg_func2.h"
#include "osmosis/child_dlg_func3.h"
#include "osmosis/child_dlg_info.h"

namespace testsupport {

inline unitsim::Config osmosisUnit(bool longForm = true) {
    unitsim::Config config;
    config.kind = unitsim::UnitKind::Osmosis;
    config.longForm = longForm;
    config.timeScale = 0;
    return config;
}

class Pln2Window : public ControllerWindowTest<CAquendorPLN2Dlg> {
  protected:
    void SetUp() override { start(osmosisUnit(), "AquendorPLN2"); }
    // The same window on another unit, or in another language.
    void restart(unitsim::Config config, const std::string& commandLine = "AquendorPLN2") {
        window.reset();
        sim.reset();
        start(config, commandLine);
    }
    void readUnit() {
        readyNullModem();
        click(ids().read);
        ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    }
    QWidget* pageControl(int page, int id) const {
        return shell::control(window->pageHost().page(page), id);
    }
    template <typename T>
    T* pageControlAs(int page, int id) const {
        return qobject_cast<T*>(pageControl(page, id));
    }
};

}  // namespace testsupport
