// Reads the data-logger CSV files this program writes (and has always
// written) back for the trend chart. Lines that do not have the file's
// shape are skipped and counted, never guessed at.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace measuring {

struct CsvPoint {
    unsigned number = 0;
    double value = 0.0;
    double temperature = 0.0;  // -1: no temperature
    int year = 0;              // four digits
    int month = 0, day = 0, hour = 0, minute = 0;
};

struct CsvContent {
    std::vector<CsvPoint> points;  // in the order of the file
    std::size_t skipped = 0;       // lines that could not be read
};

// One line without its line end; false when it is not a record line.
bool parseCsvLine(std::string_view line, CsvPoint& point);

// The whole file. Lines end in CR LF or LF; empty lines count for nothing.
CsvContent parseCsv(std::string_view bytes);

}  // namespace measuring
