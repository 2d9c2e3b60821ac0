// A recording of the measured value: every reading of the value (one RMV
// exchange after a quiet login, every N seconds) as one line of
// "valuerecord <serial>/valuerecord <serial> DDMMYY hhmm.csv" in the start
// folder, with the PC's date and time of the reading, the value in the
// variant's unit at the display's precision and the temperature (empty
// where the unit has none). The file follows files/recording_csv.h.
#pragma once

#include <string>
#include <vector>

#include "files/recording_csv.h"
#include "files/recording_file.h"
#include "measuring/measured_value.h"

namespace measuring {

inline constexpr char kValueRecordPrefix[] = "valuerecord";

// The measured quantity of a unit variant "1" to "6" ("Leitfähigkeit",
// "µS/cm"); a plain "Messwert" without a unit for any other. UTF-8.
struct QuantityName {
    const char* name;
    const char* unit;
};
QuantityName quantityName(char variant);

// "Leitfähigkeit [µS/cm]", "pH-Wert", "Messwert".
std::string quantityTitle(char variant);

// The decimals the display shows the value of a variant with.
int valueDecimals(char variant);

std::vector<std::string> valueRecordingColumns(char variant);
std::vector<std::string> valueRecordingFields(char variant, const MeasuredValue& measured);

class ValueRecording {
  public:
    files::NewRecording start(const std::string& startFolder, const std::string& serial,
                              const files::WallTime& now, char variant);
    // False when the line cannot be written: the file keeps its whole lines.
    bool append(const files::WallTime& at, const MeasuredValue& measured) const;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
    char variant_ = '0';
};

}  // namespace measuring
