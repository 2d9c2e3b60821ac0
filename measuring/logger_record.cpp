#include "measuring/logger_record.h"

#include <algorithm>

#include "devlink/fields.h"

namespace measuring {

namespace {

constexpr std::size_t kHeadChars = 4;
constexpr std::size_t kTailChars = 4;
constexpr std::size_t kTrailer = 3;  // checksum and end byte

}  // namespace

LoggerRecord decodeRecord(std::string_view text) {
    LoggerRecord record;
    record.number = devlink::decodeWord16(text, 0);
    record.value = devlink::decodeFloat(text, 4);
    record.temperature = devlink::decodeFloat(text, 12);
    record.hour = devlink::decodeByte(text, 20);
    record.minute = devlink::decodeByte(text, 22);
    record.day = devlink::decodeByte(text, 24);
    record.month = devlink::decodeByte(text, 26);
    record.year = devlink::decodeByte(text, 28);
    return record;
}

std::uint32_t decodeByteCount(std::string_view answer) {
    const std::string_view body =
        answer.size() >= kTrailer ? answer.substr(0, answer.size() - kTrailer) : std::string_view();
    return devlink::decodeWord32(body, 4);
}

std::string_view blockData(std::string_view answer) {
    if (answer.size() < kHeadChars + kTailChars) return {};
    return answer.substr(kHeadChars, answer.size() - kHeadChars - kTailChars);
}

void RecordCollector::add(std::string_view data) {
    while (!data.empty()) {
        const std::size_t take = std::min(kRecordChars - partialLength_, data.size());
        std::copy_n(data.data(), take, partial_ + partialLength_);
        partialLength_ += take;
        data.remove_prefix(take);
        if (partialLength_ < kRecordChars) break;
        partialLength_ = 0;
        ++received_;
        if (records_.size() < limit_)
            records_.push_back(decodeRecord(std::string_view(partial_, kRecordChars)));
    }
}

void RecordCollector::release() {
    std::vector<LoggerRecord>().swap(records_);
    partialLength_ = 0;
}

}  // namespace measuring
