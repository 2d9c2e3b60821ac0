// The reverse-osmosis program's main window as data: its controls, texts,
// pages, label tables, named settings and record, and how its unit is read
// and written.
#pragma once

#include "widgets/controller_profile.h"

namespace osmosis {

widgets::ControllerProfile pln2Profile();

}  // namespace osmosis
