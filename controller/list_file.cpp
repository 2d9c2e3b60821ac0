#include "controller/list_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <cstdio>

#include "controller/local_clock.h"
#include "files/cp1252.h"
#include "files/file_write.h"

namespace controller {

namespace {

// More copies of one minute's list than anybody reads; the search for a
// free name ends there.
constexpr int kMaxCopies = 10000;

// "%05.1f" without the user's locale: a German desktop must not turn the
// point into a comma.
std::string withdrawalText(double cubicMetres) {
    char digits[400];
    const auto [end, error] =
        std::to_chars(digits, digits + sizeof digits, cubicMetres, std::chars_format::fixed, 1);
    std::string text = error == std::errc() ? std::string(digits, end) : "0.0";
    const bool negative = text.front() == '-';
    const std::size_t width = 5;
    if (text.size() < width) text.insert(negative ? 1 : 0, width - text.size(), '0');
    return text;
}

std::string recordLine(int number, const HistoryEntry& entry, const std::string& codeText) {
    char line[96];
    std::snprintf(line, sizeof line, "%3d   %02d.%02d.%02d   %02d:%02d  ", number, entry.day,
                  entry.month, entry.year, entry.hour, entry.minute);
    return line + codeText;
}

}  // namespace

std::string listText(const ListFileKind& kind, const std::vector<HistoryEntry>& entries,
                     const CodeTable& codes, bool english) {
    std::string text = english ? kind.englishHeader : kind.germanHeader;
    text += "\n\n";
    int number = 1;
    for (const HistoryEntry& entry : entries) {
        text += recordLine(number++, entry, codeText(codes, entry.code, english));
        if (kind.withWithdrawal) text += ' ' + withdrawalText(entry.withdrawal / 1000.0);
        text += '\n';
    }
    return text;
}

std::string listFileBytes(std::string_view text) {
    const std::string bytes = files::utf8ToCp1252(text);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16);
    for (const char c : bytes) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::string listFolderName(const ListFileKind& kind, std::string_view serial) {
    return std::string(kind.prefix) + ' ' + std::string(serial);
}

std::string listFileName(const ListFileKind& kind, std::string_view serial, const std::tm& moment,
                         int copy) {
    std::string name =
        listFolderName(kind, serial) + ' ' + dateDigits(moment) + ' ' + timeDigits(moment);
    if (copy > 0) name += '_' + std::to_string(copy);
    return name + ".txt";
}

ListFileOutcome writeListFile(const std::string& baseFolder, const ListFileKind& kind,
                              std::string_view serial, const std::tm& moment,
                              std::string_view bytes) {
    const std::string folder = baseFolder + '/' + listFolderName(kind, serial);
    if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST)
        return {ListFileOutcome::FolderFailed, errno, folder};
    std::string path;
    for (int copy = 0; copy < kMaxCopies; ++copy) {
        path = folder + '/' + listFileName(kind, serial, moment, copy);
        switch (files::writeNewFile(path, bytes)) {
            case files::NewFileResult::Written:
                return {ListFileOutcome::Written, 0, path};
            case files::NewFileResult::Exists:
                continue;
            case files::NewFileResult::Failed:
                return {ListFileOutcome::CreateFailed, errno, path};
        }
    }
    return {ListFileOutcome::CreateFailed, EEXIST, path};
}

}  // namespace controller
