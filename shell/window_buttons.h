// Which buttons of a controller window may be used: single controls by
// number, the button sets a login decides, and the controls that dialling
// and hanging up switch.
#pragma once

#include <QWidget>
#include <vector>

#include "devlink/link_window.h"
#include "shell/login_buttons.h"
#include "shell/main_window_controls.h"

namespace shell {

class WindowButtons {
  public:
    WindowButtons(const QWidget& window, const MainWindowControls& controls)
        : window_(window), controls_(controls) {}

    void enable(int id, bool on) const;
    void enableAll(const std::vector<int>& ids, bool on) const;
    // Read, write, the unit commands and the histories.
    void disableOperationButtons() const;
    // Each program has its own controls in the sets.
    void enableSet(ButtonSet set, bool on) const;
    void enableModemControl(devlink::ModemControl control, bool on) const;
    // The baud radios; the link-mode radios too, but never enabled while a
    // modem link is up.
    void enableLinkAndSpeedRadios(bool on, bool connected) const;

  private:
    const QWidget& window_;
    const MainWindowControls& controls_;
};

}  // namespace shell
