// The softener program's named settings: "AquendorKSV2.set", 87 value
// lines a set and their factory values.
#pragma once

#include "controller/settings_profile.h"

namespace softener {

controller::SettingsProfile softenerSettingsProfile();

}  // namespace softener
