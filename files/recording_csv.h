// A recording: readings of a unit over hours, one line a reading, in a CSV
// file that a spreadsheet opens as it opens the technicians' other files:
// Windows-1252, CR LF, fields separated by semicolons, a header line that
// names each column, numbers with a decimal point whatever the PC's locale,
// and the date and time of each reading as the clock showed them, never
// shifted by a time zone.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace files {

// A wall-clock time as it was written: local date and time, no zone.
struct WallTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    bool operator==(const WallTime&) const = default;
};

// "Datum;Uhrzeit;" (english: "date;time;") and the column names, in
// Windows-1252 with CR LF. Names are UTF-8; a ";" or a control character
// in a name becomes a blank.
std::string recordingHeader(const std::vector<std::string>& columns, bool english);

// "07.12.2026;14:30:05;" and the fields, with CR LF. Fields are UTF-8,
// cleaned as names are.
std::string recordingLine(const WallTime& time, const std::vector<std::string>& fields);

// A number with a point and `decimals` digits after it ("12.3"), never in
// the locale's form; nothing for a number that is not finite.
std::string recordingNumber(double value, int decimals);

struct RecordingRow {
    WallTime time;
    std::vector<double> values;  // one a column; NaN where a field is empty or no number
};

struct RecordingContent {
    std::vector<std::string> columns;  // UTF-8, date and time not among them
    std::vector<RecordingRow> rows;    // in the order of the file
    std::size_t skipped = 0;           // lines that are no reading of these columns
};

// Reads a recording back. Lines end in CR LF or LF; a line whose date or
// time cannot be read or whose field count differs from the header's is
// skipped and counted, never guessed at.
RecordingContent parseRecording(std::string_view bytes);

}  // namespace files
