// Small file helpers for the fuzz targets that work on files.
#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

namespace fuzzing {

inline void putFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::optional<std::string> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The names in a folder, recursively, relative to it.
inline std::set<std::string> folderEntries(const std::string& folder) {
    std::set<std::string> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ignored))
        names.insert(std::filesystem::relative(entry.path(), folder, ignored).string());
    return names;
}

// The number of line feeds in the bytes.
inline std::size_t lineFeeds(std::string_view bytes) {
    std::size_t count = 0;
    for (char c : bytes) count += c == '\n';
    return count;
}

}  // namespace fuzzing
