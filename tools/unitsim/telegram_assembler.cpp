#include "tools/unitsim/telegram_assembler.h"

#include <algorithm>

#include "devlink/telegram.h"

namespace unitsim {

std::int64_t byteTimeUs(int baud) {
    return baud > 0 ? 10'000'000 / baud : 0;
}

void TelegramAssembler::feed(std::string_view bytes, std::int64_t readUs) {
    for (const char byte : bytes) {
        lastArrivalUs_ = byteUs_ > 0 ? std::max(readUs, lastArrivalUs_) + byteUs_ : readUs;
        pending_.bytes.push_back(byte);
        pending_.arrivalUs.push_back(lastArrivalUs_);
        if (byte == devlink::kEndByte) {
            complete_.push_back(std::move(pending_));
            pending_ = {};
        } else if (pending_.bytes.size() > kMaxPending) {
            pending_ = {};
        }
    }
}

std::optional<IncomingTelegram> TelegramAssembler::next() {
    if (complete_.empty()) return std::nullopt;
    IncomingTelegram telegram = std::move(complete_.front());
    complete_.pop_front();
    return telegram;
}

}  // namespace unitsim
