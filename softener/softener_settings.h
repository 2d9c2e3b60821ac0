// The softener program's named settings: "AquendorKSV2.set", 87 value
// lines a set and their factory values.
#pragma once

#include "softener/settings_profile.h"

namespace softener {

SettingsProfile softenerSettingsProfile();

}  // namespace softener
