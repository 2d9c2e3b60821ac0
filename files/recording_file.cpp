#include "files/recording_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "files/file_write.h"

namespace files {

namespace {

constexpr int kMaxCopies = 1000;

bool sixDigits(std::string_view serial) {
    return serial.size() == 6 &&
           std::all_of(serial.begin(), serial.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string recordingFileName(std::string_view prefix, std::string_view serial, const WallTime& t,
                              int copy) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, " %02d%02d%02d %02d%02d", t.day, t.month, t.year % 100,
                  t.hour, t.minute);
    std::string name = std::string(prefix) + ' ' + std::string(serial) + stamp;
    if (copy > 0) name += '_' + std::to_string(copy);
    return name + ".csv";
}

NewRecording createRecordingFile(const std::string& startFolder, std::string_view prefix,
                                 std::string_view serial, const WallTime& start,
                                 std::string_view header) {
    if (!sixDigits(serial)) return {false, {}, EINVAL};
    const std::string folder = startFolder + '/' + std::string(prefix) + ' ' + std::string(serial);
    if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) return {false, folder, errno};
    std::string path;
    for (int copy = 0; copy < kMaxCopies; ++copy) {
        path = folder + '/' + recordingFileName(prefix, serial, start, copy);
        switch (writeNewFile(path, header)) {
            case NewFileResult::Written:
                return {true, path, 0};
            case NewFileResult::Exists:
                continue;
            case NewFileResult::Failed:
                return {false, path, errno};
        }
    }
    return {false, path, EEXIST};
}

bool appendRecordingLine(const std::string& path, std::string_view line) {
    return appendToFile(path, line);
}

}  // namespace files
