// Label tables of the reverse-osmosis program's main window and its four
// pages: German template caption and English caption, keyed by control
// number. Controls not listed keep their caption in both languages.
#pragma once

#include <vector>

#include "shell/labels.h"

namespace osmosis {

extern const std::vector<shell::LabelEntry> kMainWindowLabels;
extern const std::vector<shell::LabelEntry> kInfoPageLabels;
extern const std::vector<shell::LabelEntry> kFunc1PageLabels;
extern const std::vector<shell::LabelEntry> kFunc2PageLabels;
extern const std::vector<shell::LabelEntry> kFunc3PageLabels;

}  // namespace osmosis
