// Label tables of the softener program's main window and its five pages.
#pragma once

#include <vector>

#include "shell/labels.h"

namespace softener {

extern const std::vector<shell::LabelEntry> kMainWindowLabels;
extern const std::vector<shell::LabelEntry> kInfoPageLabels;
extern const std::vector<shell::LabelEntry> kFunc1PageLabels;
extern const std::vector<shell::LabelEntry> kFunc2PageLabels;
extern const std::vector<shell::LabelEntry> kFunc3PageLabels;
extern const std::vector<shell::LabelEntry> kFunc4PageLabels;

}  // namespace softener
