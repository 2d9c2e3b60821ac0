#include "tools/unitsim/escape_detector.h"

namespace unitsim {

namespace {

void append(IncomingTelegram& to, char byte, std::int64_t arrivalUs) {
    to.bytes.push_back(byte);
    to.arrivalUs.push_back(arrivalUs);
}

}  // namespace

void EscapeDetector::restart(std::int64_t nowUs) {
    lastUs_ = nowUs;
    held_ = {};
}

void EscapeDetector::feed(char byte, std::int64_t arrivalUs, IncomingTelegram& data) {
    const bool silenceBefore = arrivalUs - lastUs_ >= guardUs_;
    lastUs_ = arrivalUs;
    if (continuesEscape(byte, arrivalUs)) return append(held_, byte, arrivalUs);
    release(data);
    // A "+" after a guard time of silence may begin an escape.
    if (byte == '+' && silenceBefore)
        append(held_, byte, arrivalUs);
    else
        append(data, byte, arrivalUs);
}

bool EscapeDetector::continuesEscape(char byte, std::int64_t arrivalUs) const {
    return byte == '+' && !held_.bytes.empty() && held_.bytes.size() < kPluses &&
           arrivalUs - held_.arrivalUs.back() < guardUs_;
}

void EscapeDetector::release(IncomingTelegram& data) {
    data.bytes += held_.bytes;
    data.arrivalUs.insert(data.arrivalUs.end(), held_.arrivalUs.begin(), held_.arrivalUs.end());
    held_ = {};
}

std::optional<IncomingTelegram> EscapeDetector::escapeAt(std::int64_t nowUs,
                                                         IncomingTelegram& data) {
    const auto deadline = deadlineUs();
    if (!deadline || nowUs < *deadline) return std::nullopt;
    if (held_.bytes.size() < kPluses) {
        release(data);
        return std::nullopt;
    }
    IncomingTelegram escape = std::move(held_);
    held_ = {};
    return escape;
}

std::optional<std::int64_t> EscapeDetector::deadlineUs() const {
    if (held_.bytes.empty()) return std::nullopt;
    return held_.arrivalUs.back() + guardUs_;
}

}  // namespace unitsim
