#include "devlink/traffic_trace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cinttypes>
#include <ctime>

#include "devlink/delay.h"
#include "devlink/telegram.h"

namespace devlink {

namespace {

// A pause longer than this between two bytes of one direction ends a chunk.
constexpr std::int64_t kChunkPauseUs = 50'000;
constexpr int kKeptParts = 3;

std::string wallClock() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    char text[40];
    const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    std::snprintf(text + n, sizeof text - n, ".%06ld", now.tv_nsec / 1000);
    return text;
}

// A trace file (or a rotated part) left readable by an earlier version.
void makePrivate(int fd) {
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & 077) != 0)
        fchmod(fd, info.st_mode & 0700);
}

void makePrivate(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    makePrivate(fd);
    ::close(fd);
}

// The trace holds the units' serial numbers and the numbers dialled: only
// its user may read it, and it is never written through a symbolic link
// laid in its place. A trace left readable by an earlier version is closed
// to others too.
std::FILE* openPrivately(const std::string& path) {
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return nullptr;
    makePrivate(fd);
    std::FILE* file = fdopen(fd, "a");
    if (!file) ::close(fd);
    return file;
}

// Printable ASCII as it is; the rest by name or in hex.
std::string shown(const std::string& bytes) {
    std::string text;
    for (unsigned char c : bytes) {
        if (c == 0x04)
            text += "<EOT>";
        else if (c == '\r')
            text += "<CR>";
        else if (c == '\n')
            text += "<LF>";
        else if (c >= 0x20 && c < 0x7F)
            text += static_cast<char>(c);
        else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "<%02X>", c);
            text += hex;
        }
    }
    return text;
}

}  // namespace

TrafficTrace* TrafficTrace::active_ = nullptr;

std::string describeTelegram(const std::string& bytes) {
    if (bytes.size() < 7 || bytes.back() != kEndByte || bytes[3] != '|') return {};
    const std::string word = bytes.substr(0, 3);
    const std::string body = bytes.substr(4, bytes.size() - 7);  // between "XYZ|" and checksum
    std::string fields;
    int count = 0;
    for (std::size_t begin = 0; begin < body.size();) {
        const std::size_t bar = body.find('|', begin);
        const std::size_t end = bar == std::string::npos ? body.size() : bar;
        const std::string field = body.substr(begin, end - begin);
        fields += (count++ ? ", " : "") + (field.size() > 24
                                               ? "(" + std::to_string(field.size()) + " characters)"
                                               : "\"" + field + "\"");
        begin = end + 1;
    }
    const std::string sum = bytes.substr(bytes.size() - 3, 2);
    const bool correct = verifyAnswer(bytes.c_str());
    return word + ", " + std::to_string(count) + (count == 1 ? " field" : " fields") +
           (count ? ": " + fields : "") + ", checksum " + sum +
           (correct ? " correct"
                    : " WRONG (expected " +
                          std::string(checksum(bytes, bytes.size() - 3).data(), 2) + ")");
}

bool TrafficTrace::open(const std::string& path, std::uintmax_t maxBytes) {
    close();
    std::FILE* file = openPrivately(path);
    if (!file) return false;
    for (int part = 1; part <= kKeptParts; ++part) makePrivate(path + "." + std::to_string(part));
    active_ = new TrafficTrace(path, file, maxBytes);
    active_->event("-", "trace started");
    return true;
}

void TrafficTrace::close() {
    delete active_;
    active_ = nullptr;
}

TrafficTrace::TrafficTrace(std::string path, std::FILE* file, std::uintmax_t maxBytes)
    : path_(std::move(path)), file_(file), maxBytes_(maxBytes) {
    struct stat info {};
    if (fstat(fileno(file_), &info) == 0) written_ = static_cast<std::uintmax_t>(info.st_size);
}

TrafficTrace::~TrafficTrace() {
    flushChunk();
    std::fclose(file_);
}

void TrafficTrace::byte(const std::string& port, TraceDirection direction, std::uint8_t value) {
    const std::int64_t now = monotonicUs();
    if (!chunk_.empty() &&
        (direction != chunkDirection_ || port != chunkPort_ || now - chunkLastUs_ > kChunkPauseUs))
        flushChunk();
    if (chunk_.empty()) {
        chunkPort_ = port;
        chunkDirection_ = direction;
        chunkStartUs_ = now;
    }
    chunk_ += static_cast<char>(value);
    chunkLastUs_ = now;
    if (value == static_cast<std::uint8_t>(kEndByte) || value == '\n') flushChunk();
}

void TrafficTrace::event(const std::string& port, const std::string& text) {
    flushChunk();
    writeLine(wallClock() + "  " + port + "  -- " + text);
}

void TrafficTrace::flushChunk() {
    if (chunk_.empty()) return;
    char timing[64];
    std::snprintf(timing, sizeof timing, "%zu bytes in %.1f ms", chunk_.size(),
                  static_cast<double>(chunkLastUs_ - chunkStartUs_) / 1000.0);
    const char* arrow = chunkDirection_ == TraceDirection::Sent ? "PC -> unit" : "unit -> PC";
    std::string line = wallClock() + "  " + chunkPort_ + "  " + arrow + "  " + shown(chunk_) +
                       "  (" + timing + ")";
    if (const std::string telegram = describeTelegram(chunk_); !telegram.empty())
        line += "\n                                    telegram " + telegram;
    chunk_.clear();
    writeLine(line);
}

void TrafficTrace::writeLine(const std::string& line) {
    std::fputs(line.c_str(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
    written_ += line.size() + 1;
    rotateIfLarge();
}

// The file moves to FILE.1 (the older parts one further on) and starts anew.
void TrafficTrace::rotateIfLarge() {
    if (written_ < maxBytes_) return;
    std::fclose(file_);
    for (int part = kKeptParts - 1; part >= 1; --part)
        std::rename((path_ + "." + std::to_string(part)).c_str(),
                    (path_ + "." + std::to_string(part + 1)).c_str());
    std::rename(path_.c_str(), (path_ + ".1").c_str());
    file_ = openPrivately(path_);
    if (!file_) file_ = std::fopen("/dev/null", "a");
    written_ = 0;
}

}  // namespace devlink
