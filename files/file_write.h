// Writing the suite's files so that nothing a user set up or already had is
// lost: a crash or a full disk never leaves half a file, a rewrite keeps the
// file's mode, owner and symbolic link, and no write is reported as done
// unless it and the close succeeded. Plain C++ on POSIX calls.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace files {

// The whole content of a file, or nothing when it cannot be opened (missing,
// a folder, no permission). forUpdate: the file must open for reading and
// writing, as files that the program changes later are opened.
std::optional<std::string> readWholeFile(const std::string& path, bool forUpdate = false);

// The first bytes of a file, as readWholeFile, but at most limit + 1 of
// them: a file of a format with a largest size is read only that far, and
// a result longer than limit says that the file is larger than its format
// can be.
std::optional<std::string> readFileUpTo(const std::string& path, std::size_t limit,
                                        bool forUpdate = false);

// Replaces the content of an existing file. A symbolic link is followed and
// its target replaced; the new content goes to a temporary file beside the
// target, is flushed and renamed over it, with the old file's mode (and
// owner and group where allowed). When the folder is not writable but the
// file is, the file is rewritten in place instead. A missing file is
// created.
bool rewriteFile(const std::string& path, std::string_view bytes);

// Appends to an existing file. On any failure the file is cut back to its
// old length.
bool appendToFile(const std::string& path, std::string_view bytes);

enum class NewFileResult { Written, Exists, Failed };

// Creates a file that must not exist yet: written completely to a temporary
// file first and then linked into place, so the name never shows a partial
// file and an existing file is never replaced.
NewFileResult writeNewFile(const std::string& path, std::string_view bytes);

// Copies a file byte for byte, of any size, to a new file that must not
// exist yet, as writeNewFile creates one.
NewFileResult copyToNewFile(const std::string& source, const std::string& path);

// Creates or replaces a file with complete content (an export the user
// confirmed): an existing file is replaced as by rewriteFile, a new one
// appears only complete.
bool replaceFile(const std::string& path, std::string_view bytes);

}  // namespace files
