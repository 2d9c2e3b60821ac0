// The data-logger CSV file: its lines, its name and its place. One folder
// per unit beside the program ("Messdaten Vantiqo 123456"), one new file per
// readout, never an existing one overwritten.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "measuring/logger_record.h"

namespace measuring {

// One line, CR LF at its end, as "%5.5u  ,  %010.2f  ,  %3.1f  ,  %02d.%02d.%02d ,
// %02d:%02d\n" written in text mode: "00017  ,  0000001.25  ,  20.5  ,  03.06.09 , 14:07".
std::string csvLine(const LoggerRecord& record);

// The first `lines` records as the file's content (all when there are fewer).
std::string csvText(const std::vector<LoggerRecord>& records, std::size_t lines);

// " DDMMYY hhmm": a blank, the local date, a blank, the local time.
std::string timeStamp(const std::tm& local);

// "Messdaten Vantiqo " + serial number; the serial number must be six digits.
std::string csvFolderName(const std::string& serialNumber);

// "Messdaten Vantiqo " + serial + stamp + ("_" + suffix when suffix > 0) + ".csv".
std::string csvFileName(const std::string& serialNumber, const std::string& stamp, int suffix);

struct SaveResult {
    enum Kind { Saved, FolderFailed, CreateFailed } kind = Saved;
    int error = 0;         // errno of the failure
    std::string folder;    // the unit's folder
    std::string fileName;  // the file's name in it
    std::string path;      // folder + "/" + file name (of the failed file too)
};

// Creates the unit's folder in workingDirectory (an existing one is fine)
// and writes content as a new file under the first free name. The file is
// written to a temporary file and put in place only when complete.
SaveResult saveCsv(const std::string& workingDirectory, const std::string& serialNumber,
                   const std::tm& local, const std::string& content);

// The process's working directory, or empty with errno set.
std::string workingDirectory();

}  // namespace measuring
