#include "measuring/csv_export.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>

#include "files/file_write.h"
#include "measuring/number_format.h"

namespace measuring {

namespace {

// More files of one unit in one minute than anyone makes by hand.
constexpr int kMaxSuffix = 100000;

std::string twoDigits(unsigned value) {
    return formatDigits(value, 2);
}

}  // namespace

std::string csvLine(const LoggerRecord& r) {
    return formatDigits(r.number, 5) + "  ,  " + formatFixed(r.value, 10, 2, true) + "  ,  " +
           formatFixed(r.temperature, 3, 1, false) + "  ,  " + twoDigits(r.day) + "." +
           twoDigits(r.month) + "." + twoDigits(r.year) + " , " + twoDigits(r.hour) + ":" +
           twoDigits(r.minute) + "\r\n";
}

std::string csvText(const std::vector<LoggerRecord>& records, std::size_t lines) {
    const std::size_t count = std::min(lines, records.size());
    // Measured first, so that the text is allocated once at its final size.
    std::size_t size = 0;
    for (std::size_t i = 0; i < count; ++i) size += csvLine(records[i]).size();
    std::string text;
    text.reserve(size);
    for (std::size_t i = 0; i < count; ++i) text += csvLine(records[i]);
    return text;
}

std::string timeStamp(const std::tm& local) {
    return " " + twoDigits(static_cast<unsigned>(local.tm_mday)) +
           twoDigits(static_cast<unsigned>(local.tm_mon + 1)) +
           twoDigits(static_cast<unsigned>(local.tm_year % 100)) + " " +
           twoDigits(static_cast<unsigned>(local.tm_hour)) +
           twoDigits(static_cast<unsigned>(local.tm_min));
}

std::string csvFolderName(const std::string& serialNumber) {
    return "Messdaten Vantiqo " + serialNumber;
}

std::string csvFileName(const std::string& serialNumber, const std::string& stamp, int suffix) {
    std::string name = "Messdaten Vantiqo " + serialNumber + stamp;
    if (suffix > 0) name += "_" + std::to_string(suffix);
    return name + ".csv";
}

std::string workingDirectory() {
    std::array<char, PATH_MAX> folder{};
    if (getcwd(folder.data(), folder.size()) == nullptr) return {};
    return folder.data();
}

SaveResult saveCsv(const std::string& workingDirectory, const std::string& serialNumber,
                   const std::tm& local, const std::string& content) {
    SaveResult result;
    result.folder = workingDirectory + "/" + csvFolderName(serialNumber);
    if (mkdir(result.folder.c_str(), 0777) != 0 && errno != EEXIST) {
        result.kind = SaveResult::FolderFailed;
        result.error = errno;
        return result;
    }
    const std::string stamp = timeStamp(local);
    for (int suffix = 0; suffix <= kMaxSuffix; ++suffix) {
        result.fileName = csvFileName(serialNumber, stamp, suffix);
        result.path = result.folder + "/" + result.fileName;
        switch (files::writeNewFile(result.path, content)) {
            case files::NewFileResult::Written:
                result.kind = SaveResult::Saved;
                return result;
            case files::NewFileResult::Exists:
                continue;
            case files::NewFileResult::Failed:
                result.kind = SaveResult::CreateFailed;
                result.error = errno;
                return result;
        }
    }
    result.kind = SaveResult::CreateFailed;
    result.error = EEXIST;
    return result;
}

}  // namespace measuring
