// The trend chart's figures for the logger benchmark: how long a readout's
// CSV takes from "open" to the drawn window, and the memory it takes, for a
// few kinds of readout up to a full logger with gaps in the temperature.
#pragma once

#include <string>

namespace bench {

// Writes the CSV files into folder, opens each in the chart window (on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise) and prints the
// figures. With a pngFolder each chart is saved there as well, whole, as
// chart-1.png and on. False when a file could not be charted.
bool measureCharts(int& argc, char** argv, const std::string& folder, const char* pngFolder);

}  // namespace bench
