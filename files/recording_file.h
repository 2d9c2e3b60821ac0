// The file of a recording: "<prefix> <serial>/<prefix> <serial> DDMMYY
// hhmm.csv" in the start folder, beside the history folders, a new file
// for every recording ("_1", "_2" ... when the minute's name is taken),
// created with its header line complete or not at all. Each reading is
// appended with a checked append: a line that cannot be written whole is
// cut back, so the file always ends with a whole line.
#pragma once

#include <string>
#include <string_view>

#include "files/recording_csv.h"

namespace files {

struct NewRecording {
    bool created = false;
    std::string path;  // the file made, or the folder or file that could not be
    int error = 0;     // errno when not created
};

// Only a serial number of exactly six digits names a folder; anything else
// is refused with EINVAL before anything is made.
NewRecording createRecordingFile(const std::string& startFolder, std::string_view prefix,
                                 std::string_view serial, const WallTime& start,
                                 std::string_view header);

// "statusrecord 123456 071226 1430.csv"; copy 1, 2 ... before ".csv" "_1" ...
std::string recordingFileName(std::string_view prefix, std::string_view serial,
                              const WallTime& start, int copy);

// Appends one line; false (the file as it was) when it cannot be written.
bool appendRecordingLine(const std::string& path, std::string_view line);

}  // namespace files
