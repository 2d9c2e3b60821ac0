// Label tables of the reverse-osmosis program's main window and its four
// pages: German template caption and English caption, keyed by control
// number. Controls not listed keep their caption in both languages.
#pragma once

#include <vector>

#include "shell/labels.h"

namespace osmosis {

extern const std::vector<shell::LabelEntry> kMainWindowLabels;
// The status page's table first, then parameter pages 1 to 3.
extern const std::vector<std::vector<shell::LabelEntry>> kPageLabels;

}  // namespace osmosis
