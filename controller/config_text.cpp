#include "controller/config_text.h"

#include <dirent.h>
#include <strings.h>

#include "files/cp1252.h"
#include "files/file_write.h"

namespace controller {

namespace {

// A configuration file the programs write is far smaller.
constexpr std::size_t kLargestFile = 30000;

}  // namespace

TextImage::TextImage(const std::string& bytes, std::size_t from) {
    for (std::size_t i = from; i < bytes.size(); ++i) {
        disk.push_back(i);
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        text += bytes[i];
    }
    disk.push_back(bytes.size());
}

Segment readSegment(const TextImage& image, std::size_t& pos, std::string_view stops) {
    Segment segment;
    std::size_t count = 0;
    while (pos < image.size()) {
        const char c = image.text[pos++];
        if (++count > kConfigSegmentLimit) {
            segment.tooLong = true;
            return segment;
        }
        if (stops.find(c) != std::string_view::npos) {
            segment.closedBy = c;
            return segment;
        }
        segment.text += c;
    }
    return segment;
}

std::string fileInFolder(const std::string& folder, const std::string& fileName) {
    if (DIR* entries = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(entries)) {
            if (strcasecmp(entry->d_name, fileName.c_str()) == 0) {
                std::string found = folder + "/" + entry->d_name;
                closedir(entries);
                return found;
            }
        }
        closedir(entries);
    }
    return folder + "/" + fileName;
}

// The grammar the window's phonebook reads: the port line, then lines
// "name|number"; the SMS numbers after them have no "|".
PhonebookEntry findLocation(const std::string& path, const std::string& name) {
    const auto bytes = files::readFileUpTo(path, kLargestFile);
    if (!bytes) return {PhonebookEntry::NoFile, {}};
    if (bytes->size() > kLargestFile) return {PhonebookEntry::Corrupt, {}};
    std::string normal;  // lone LF line ends read as CR LF, as the window reads them
    for (std::size_t i = 0; i < bytes->size(); ++i) {
        if ((*bytes)[i] == '\n' && (i == 0 || (*bytes)[i - 1] != '\r')) normal += '\r';
        normal += (*bytes)[i];
    }
    const TextImage image(normal, kConfigHeaderBytes);
    const std::string wanted = files::utf8ToCp1252(name);
    std::size_t pos = 0;
    if (readSegment(image, pos, "\n").tooLong) return {PhonebookEntry::Corrupt, {}};
    while (pos < image.size()) {
        const Segment head = readSegment(image, pos, "|\n");
        if (head.tooLong) return {PhonebookEntry::Corrupt, {}};
        if (head.closedBy != '|') continue;
        const Segment number = readSegment(image, pos, "\n");
        if (number.tooLong) return {PhonebookEntry::Corrupt, {}};
        if (head.text == wanted) return {PhonebookEntry::Found, files::cp1252ToUtf8(number.text)};
    }
    return {PhonebookEntry::NotFound, {}};
}

}  // namespace controller
