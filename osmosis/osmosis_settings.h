// What the reverse-osmosis program keeps of a parameter set in its named
// settings ("aquendorPLN2.set") and in setting files: 61 value lines, with
// the values of the built-in factory setting, and the texts in which its
// store differs from the softener program's.
#pragma once

#include "controller/settings_profile.h"

namespace osmosis {

controller::SettingsProfile osmosisSettingsProfile();

}  // namespace osmosis
