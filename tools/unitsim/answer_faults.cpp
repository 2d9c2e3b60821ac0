#include "tools/unitsim/answer_faults.h"

#include <cctype>
#include <string_view>

#include "devlink/telegram.h"

namespace unitsim {

namespace {

constexpr std::size_t kOverlongChars = 720;

bool hasLetter(const std::array<char, 2>& sum) {
    return std::isalpha(static_cast<unsigned char>(sum[0])) ||
           std::isalpha(static_cast<unsigned char>(sum[1]));
}

std::array<char, 2> checksumOf(const std::string& text) {
    return devlink::checksum(text, text.size());
}

// The two digits of the spare byte move the sum over more than sixteen
// consecutive values, so one choice gives the checksum a letter.
void giveChecksumALetter(Reply& reply) {
    if (reply.spare < 0 || hasLetter(checksumOf(reply.text))) return;
    const auto at = static_cast<std::size_t>(reply.spare);
    if (at + 1 >= reply.text.size()) return;
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    for (char high : kDigits) {
        for (char low : kDigits) {
            reply.text[at] = high;
            reply.text[at + 1] = low;
            if (hasLetter(checksumOf(reply.text))) return;
        }
    }
}

}  // namespace

void AnswerFaults::set(Fault fault, int count) {
    fault_ = count == 0 ? Fault::None : fault;
    remaining_ = fault_ == Fault::None ? 0 : count;
}

Fault AnswerFaults::takeFault() {
    const Fault fault = fault_;
    if (remaining_ > 0 && --remaining_ == 0) fault_ = Fault::None;
    return fault;
}

std::optional<std::string> AnswerFaults::shape(const Reply& reply, const std::string& word) {
    if (!raw_.empty()) {
        std::string bytes = std::move(raw_.front());
        raw_.pop_front();
        return bytes;
    }
    switch (takeFault()) {
        case Fault::None:
            return frameReply(reply);
        case Fault::WrongChecksum:
            return frameWithWrongChecksum(reply);
        case Fault::LowerCaseChecksum:
            return frameWithLowerCaseChecksum(reply);
        case Fault::ChecksumEcho:
            return devlink::checksumEcho(word);
        case Fault::Silence:
            return std::nullopt;
        case Fault::Overlong:
            return overlongAnswer(word);
    }
    return frameReply(reply);
}

std::string frameReply(const Reply& reply) {
    return devlink::frameRequest(reply.text);
}

std::string frameWithWrongChecksum(const Reply& reply) {
    // Summing one extra byte of value 1 gives the right sum plus one.
    const auto sum = devlink::checksum(reply.text + '\x01', reply.text.size() + 1);
    return reply.text + sum[0] + sum[1] + devlink::kEndByte;
}

std::string frameWithLowerCaseChecksum(Reply reply) {
    giveChecksumALetter(reply);
    std::string bytes = frameReply(reply);
    for (std::size_t i = bytes.size() - 3; i < bytes.size() - 1; ++i)
        bytes[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(bytes[i])));
    return bytes;
}

std::string overlongAnswer(const std::string& word) {
    std::string bytes = word + "|";
    bytes.resize(kOverlongChars, '0');
    return bytes;
}

}  // namespace unitsim
