#include "shell/window_buttons.h"

#include "shell/controls.h"

namespace shell {

void WindowButtons::enable(int id, bool on) const {
    enableControl(&window_, id, on);
}

void WindowButtons::enableAll(const std::vector<int>& ids, bool on) const {
    for (int id : ids) enableControl(&window_, id, on);
}

void WindowButtons::disableOperationButtons() const {
    enable(controls_.read, false);
    enable(controls_.write, false);
    enableAll(controls_.commandButtons, false);
    enableAll(controls_.historyButtons, false);
}

void WindowButtons::enableSet(ButtonSet set, bool on) const {
    switch (set) {
        case ButtonSet::FullAccess:
            enableAll(controls_.fullAccessButtons, on);
            break;
        case ButtonSet::WriteButtons:
            enable(controls_.write, on);
            enableAll(controls_.commandButtons, on);
            break;
        case ButtonSet::HistoryReadButtons:
            enableAll(controls_.historyButtons, on);
            break;
        case ButtonSet::IntervalCheckbox:
            enable(controls_.intervalCheck, on);
            break;
    }
}

void WindowButtons::enableModemControl(devlink::ModemControl control, bool on) const {
    using devlink::ModemControl;
    switch (control) {
        case ModemControl::ConnectButton:
            enable(controls_.connect, on);
            break;
        case ModemControl::DisconnectButton:
            enable(controls_.disconnect, on);
            break;
        case ModemControl::ReadButton:
            enable(controls_.read, on);
            break;
        case ModemControl::WriteButton:
            enable(controls_.write, on);
            break;
        case ModemControl::HistoryReadButtons:
            enableAll(controls_.historyButtons, on);
            break;
        case ModemControl::IntervalCheckbox:
            enable(controls_.intervalCheck, on);
            break;
        case ModemControl::LinkTypeRadios:
            enable(controls_.modemRadio, on);
            enable(controls_.nullModemRadio, on);
            break;
    }
}

void WindowButtons::enableLinkAndSpeedRadios(bool on, bool connected) const {
    enable(controls_.baud9600, on);
    enable(controls_.baud19200, on);
    if (on && connected) return;
    enable(controls_.modemRadio, on);
    enable(controls_.nullModemRadio, on);
}

}  // namespace shell
