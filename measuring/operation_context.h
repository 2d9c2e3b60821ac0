// What every unit operation of the measuring program works with: the device
// link, the login that keeps the unit's variant, and the window.
#pragma once

#include "devlink/device_link.h"
#include "devlink/login.h"
#include "measuring/measuring_ui.h"

namespace measuring {

struct OperationContext {
    devlink::DeviceLink& link;
    devlink::MeasuringLogin& login;
    MeasuringUi& ui;
};

// Sets the status field back to its rest state when the operation ends, on
// every path out of it.
class RestStateOnExit {
  public:
    explicit RestStateOnExit(MeasuringUi& ui) : ui_(ui) {}
    ~RestStateOnExit() { ui_.showRestState(); }
    RestStateOnExit(const RestStateOnExit&) = delete;
    RestStateOnExit& operator=(const RestStateOnExit&) = delete;

  private:
    MeasuringUi& ui_;
};

}  // namespace measuring
