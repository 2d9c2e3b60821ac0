// What every unit operation of a controller program works with: the device
// link (the login goes over it, devlink::controllerLogin) and whoever runs
// the operation. A window, a test or a program without a window provides it.
#pragma once

#include "controller/operation_ui.h"
#include "devlink/device_link.h"

namespace controller {

struct OperationContext {
    devlink::DeviceLink& link;
    OperationUi& ui;
};

}  // namespace controller
