#include "tools/unitsim/telegram_assembler.h"

#include "devlink/telegram.h"

namespace unitsim {

void TelegramAssembler::feed(std::string_view bytes, std::int64_t readUs) {
    for (const char byte : bytes) add(byte, pacer_.arrival(readUs));
}

void TelegramAssembler::add(char byte, std::int64_t arrivalUs) {
    pending_.bytes.push_back(byte);
    pending_.arrivalUs.push_back(arrivalUs);
    if (byte == devlink::kEndByte) {
        complete_.push_back(std::move(pending_));
        pending_ = {};
    } else if (pending_.bytes.size() > kMaxPending) {
        pending_ = {};
    }
}

std::optional<IncomingTelegram> TelegramAssembler::next() {
    if (complete_.empty()) return std::nullopt;
    IncomingTelegram telegram = std::move(complete_.front());
    complete_.pop_front();
    return telegram;
}

}  // namespace unitsim
