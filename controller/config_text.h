// How the controller programs read their configuration file: as a
// text-mode reader sees it (CR LF is one line feed), in segments closed by
// "|" or a line end and bounded in length, as the Windows programs read it.
// The configuration file itself and the phonebook lookup build on it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace controller {

// The header line "//never edit this file !//" and its CR LF.
inline constexpr std::size_t kConfigHeaderBytes = 28;
// The longest segment a reader takes, its closing character counted.
inline constexpr std::size_t kConfigSegmentLimit = 255;

// The file from byte `from` on as a text-mode reader sees it. Every
// character keeps the byte offset it has on disk.
struct TextImage {
    std::string text;
    std::vector<std::size_t> disk;  // one more than text: the end

    TextImage(const std::string& bytes, std::size_t from);
    std::size_t size() const { return text.size(); }
};

// One segment of a line: the characters up to the first of the stops (or
// the end of the file).
struct Segment {
    std::string text;
    char closedBy = '\0';  // '\0' at the end of the file
    bool tooLong = false;  // longer than kConfigSegmentLimit with its closing character
};

// Reads the segment at pos and moves pos behind it.
Segment readSegment(const TextImage& image, std::size_t& pos, std::string_view stops);

// The file named fileName in folder: a file whose name differs only in
// case is the same file.
std::string fileInFolder(const std::string& folder, const std::string& fileName);

// The dial number of a location of the phonebook, read without changing
// the file. Names and numbers are UTF-8.
struct PhonebookEntry {
    enum Result { Found, NoFile, NotFound, Corrupt };
    Result result = NotFound;
    std::string dialNumber;
};
PhonebookEntry findLocation(const std::string& path, const std::string& name);

}  // namespace controller
