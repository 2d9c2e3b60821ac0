#include "controller/store_records.h"

namespace controller {

StoreRecords::StoreRecords(std::string bytes, std::size_t recordLines, std::size_t sizeLimit)
    : bytes_(std::move(bytes)), recordLines_(recordLines) {
    if (bytes_.size() > sizeLimit) {
        // Only the beginning was read: its last line may be cut anywhere.
        tooLarge_ = true;
        bytes_.resize(sizeLimit);
        const std::size_t lastFeed = bytes_.rfind('\n');
        bytes_.resize(lastFeed == std::string::npos ? 0 : lastFeed + 1);
    }
    lines_ = linesAfterHeader(bytes_);
    whole_ = lines_.size() / recordLines_;
}

std::optional<std::size_t> StoreRecords::find(const std::string& wanted) const {
    for (std::size_t record = 0; record < whole_; ++record)
        if (name(record) == wanted) return record;
    return std::nullopt;
}

std::string StoreRecords::brokenName() const {
    const std::size_t at = whole_ * recordLines_;
    return at < lines_.size() ? lines_[at].text : std::string();
}

std::string StoreRecords::usableRecords(std::size_t maxSets) const {
    const std::size_t headerEnd = bytes_.find('\n');
    std::string kept = headerEnd == std::string::npos ? std::string(kSettingsHeader)
                                                      : bytes_.substr(0, headerEnd + 1);
    std::size_t sets = 0;
    for (std::size_t record = 0; record < whole_ && sets < maxSets; ++record) {
        if (name(record).empty()) continue;
        const TextLine& first = lines_[record * recordLines_];
        const TextLine& last = lines_[(record + 1) * recordLines_ - 1];
        kept.append(bytes_, first.begin, last.end - first.begin);
        // A record closes with its line end, so the next one starts a line.
        if (kept.back() != '\n') kept += "\r\n";
        ++sets;
    }
    return kept;
}

}  // namespace controller
