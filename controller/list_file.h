// A history written as a list file: a text table in a folder named after
// the unit's serial number, a new file for every reading, never replacing an
// older one. Windows-1252 with CR LF, as the lists operators already have.
#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "controller/history_codes.h"
#include "controller/history_record.h"

namespace controller {

struct ListFileKind {
    const char* prefix;  // of the folder and the file names
    const char* germanHeader;
    const char* englishHeader;
    bool withWithdrawal;  // a last column with the water withdrawn, m³
};

inline constexpr ListFileKind kStatusList{
    "statuslist", "Nr.   Datum      Zeit   Status                         Entnahme",
    "Nr.   Date       Time   Status                         Consumption", true};
inline constexpr ListFileKind kErrorList{"errorlist", "Nr.   Datum      Zeit   Fehler",
                                         "Nr.   Date       Time   Error", false};

// The table in UTF-8 with "\n" line ends: header, a blank line, one line a
// record numbered from 1.
std::string listText(const ListFileKind& kind, const std::vector<HistoryEntry>& entries,
                     const CodeTable& codes, bool english);
// The bytes on disk: Windows-1252, every line ending in CR LF.
std::string listFileBytes(std::string_view text);

// "statuslist 123456"
std::string listFolderName(const ListFileKind& kind, std::string_view serial);
// "statuslist 123456 050309 1407.txt"; copy 1, 2 ... inserts "_1", "_2" ...
// before ".txt".
std::string listFileName(const ListFileKind& kind, std::string_view serial, const std::tm& moment,
                         int copy);

struct ListFileOutcome {
    enum Result { Written, FolderFailed, CreateFailed };
    Result result = Written;
    int error = 0;     // errno, FolderFailed
    std::string path;  // the file written, or the one that could not be
};

// Creates the list folder in baseFolder (an existing one is reused) and
// the first free file name in it, written complete or not at all.
ListFileOutcome writeListFile(const std::string& baseFolder, const ListFileKind& kind,
                              std::string_view serial, const std::tm& moment,
                              std::string_view bytes);

}  // namespace controller
