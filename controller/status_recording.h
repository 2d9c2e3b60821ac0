// A status recording of a controller: while interval reading runs, every
// reading becomes one line of a CSV file (files/recording_csv.h) with the
// PC's date and time of the reading and every status value: numbers at the
// precision the status page shows them with a point, texts as shown, and
// each lamp of the lamp rows as 1 (lit) or 0 in a column of its own.
#pragma once

#include <string>
#include <vector>

#include "controller/unit_value.h"
#include "files/recording_csv.h"
#include "files/recording_file.h"

namespace controller {

// "statusrecord": the folder "statusrecord <serial>" and its files.
inline constexpr char kStatusRecordPrefix[] = "statusrecord";

// One column: a value, or one lamp of a lamp row, with its header
// ("Restkapazität [m³°dH]", "Lampe Eingänge 3").
struct StatusColumn {
    std::string value;
    int lamp = -1;
    std::string header;
};

std::vector<StatusColumn> statusColumns(const UnitValues& values, bool english);
// The fields of one reading in the columns' order, texts in the interface
// language; a value the reading does not hold leaves its field empty.
std::vector<std::string> statusFields(const std::vector<StatusColumn>& columns,
                                      const UnitValues& values, bool english);

// A number as its page shows it, with a point: as many decimals as the
// shown text has ("  8,4" is 8.4, "000250" is 250).
std::string shownNumber(const UnitValue& value);

class StatusRecording {
  public:
    // A new file with the header for the values of the last reading.
    files::NewRecording start(const std::string& startFolder, const std::string& serial,
                              const files::WallTime& now, const UnitValues& values, bool english);
    // One reading; false when the line could not be written (the file
    // keeps its whole lines).
    bool append(const files::WallTime& at, const UnitValues& values) const;
    const std::string& path() const { return path_; }

  private:
    std::vector<StatusColumn> columns_;
    std::string path_;
    bool english_ = false;
};

}  // namespace controller
