#include "files/file_write.h"

#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <limits>

namespace files {

namespace {

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path finally names: symbolic links are followed, relative
// links from the folder they stand in. A dangling link names its target.
std::string finalTarget(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        char link[PATH_MAX];
        const ssize_t n = readlink(path.c_str(), link, sizeof link - 1);
        if (n < 0) return path;
        const std::string target(link, static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : folderOf(path) + "/" + target;
    }
    return path;
}

bool writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    (void)fsync(fd);
    ::close(fd);
}

// Puts a file's whole content into an open file; false when a write failed.
using Filler = std::function<bool(int fd)>;

Filler bytesFiller(std::string_view bytes) {
    return [bytes](int fd) { return writeAll(fd, bytes); };
}

// Streams the file at source into fd, whatever its size.
Filler copyFiller(const std::string& source) {
    return [&source](int fd) {
        const int in = ::open(source.c_str(), O_RDONLY);
        if (in < 0) return false;
        char buffer[65536];
        bool ok = true;
        for (;;) {
            const ssize_t n = ::read(in, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            ok = n >= 0 && writeAll(fd, std::string_view(buffer, static_cast<std::size_t>(n)));
            if (n <= 0 || !ok) break;
        }
        ::close(in);
        return ok;
    };
}

// A complete temporary file beside target with the given mode (and owner
// where allowed); its name, or empty when it could not be made.
std::string completeTemporary(const std::string& target, const Filler& fill,
                              const struct stat* old) {
    std::string temporary = folderOf(target) + "/." + nameOf(target) + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return {};
    bool ok = fill(fd);
    if (old) {
        ok = ok && fchmod(fd, old->st_mode & 07777) == 0;
        (void)!fchown(fd, old->st_uid, old->st_gid);  // only where allowed
    } else {
        ok = ok && fchmod(fd, newFileMode()) == 0;
    }
    ok = ok && fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) return temporary;
    ::unlink(temporary.c_str());
    return {};
}

NewFileResult placeNewFile(const std::string& path, const Filler& fill) {
    struct stat existing {};
    if (lstat(path.c_str(), &existing) == 0) return NewFileResult::Exists;
    const std::string temporary = completeTemporary(path, fill, nullptr);
    if (temporary.empty()) return NewFileResult::Failed;
    // link() never replaces an existing name, so a file that appeared in the
    // meantime stays as it is.
    const int linked = ::link(temporary.c_str(), path.c_str());
    const int error = errno;
    ::unlink(temporary.c_str());
    if (linked == 0) {
        syncFolder(folderOf(path));
        return NewFileResult::Written;
    }
    if (error == EEXIST) return NewFileResult::Exists;
    // File systems without hard links: an exclusive create, removed again
    // when it cannot be completed.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd < 0) return errno == EEXIST ? NewFileResult::Exists : NewFileResult::Failed;
    const bool ok = fill(fd) && fsync(fd) == 0;
    if ((::close(fd) == 0) && ok) return NewFileResult::Written;
    ::unlink(path.c_str());
    return NewFileResult::Failed;
}

// The folder cannot take a temporary file: the file itself is rewritten.
bool rewriteInPlace(const std::string& target, std::string_view bytes) {
    const int fd = ::open(target.c_str(), O_WRONLY);
    if (fd < 0) return false;
    bool ok = writeAll(fd, bytes) && ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
              fsync(fd) == 0;
    return (::close(fd) == 0) && ok;
}

}  // namespace

std::optional<std::string> readWholeFile(const std::string& path, bool forUpdate) {
    return readFileUpTo(path, std::numeric_limits<std::size_t>::max() - 1, forUpdate);
}

std::optional<std::string> readFileUpTo(const std::string& path, std::size_t limit,
                                        bool forUpdate) {
    const int fd = ::open(path.c_str(), forUpdate ? O_RDWR : O_RDONLY);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    const std::size_t wanted = limit + 1;
    std::string bytes;
    char buffer[8192];
    while (bytes.size() < wanted) {
        const std::size_t room = std::min(sizeof buffer, wanted - bytes.size());
        const ssize_t n = ::read(fd, buffer, room);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

bool rewriteFile(const std::string& path, std::string_view bytes) {
    const std::string target = finalTarget(path);
    struct stat old {};
    const bool exists = stat(target.c_str(), &old) == 0;
    if (exists && access(folderOf(target).c_str(), W_OK) != 0 && access(target.c_str(), W_OK) == 0)
        return rewriteInPlace(target, bytes);
    const std::string temporary =
        completeTemporary(target, bytesFiller(bytes), exists ? &old : nullptr);
    if (temporary.empty()) return false;
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(folderOf(target));
    return true;
}

bool replaceFile(const std::string& path, std::string_view bytes) {
    return rewriteFile(path, bytes);
}

bool appendToFile(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND);
    if (fd < 0) return false;
    struct stat before {};
    if (fstat(fd, &before) != 0) {
        ::close(fd);
        return false;
    }
    const bool written = writeAll(fd, bytes) && fsync(fd) == 0;
    if (!written) (void)!ftruncate(fd, before.st_size);
    const bool closed = ::close(fd) == 0;
    if (written && !closed) (void)!truncate(path.c_str(), before.st_size);
    return written && closed;
}

NewFileResult writeNewFile(const std::string& path, std::string_view bytes) {
    return placeNewFile(path, bytesFiller(bytes));
}

NewFileResult copyToNewFile(const std::string& source, const std::string& path) {
    return placeNewFile(path, copyFiller(source));
}

}  // namespace files
