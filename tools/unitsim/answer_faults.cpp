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

void AnswerFaults::setOn(const std::string& word, Fault fault, int skip) {
    targetWord_ = word;
    targetFault_ = fault;
    targetSkip_ = skip;
}

void AnswerFaults::clear() {
    set(Fault::None, 0);
    setOn({}, Fault::None, 0);
}

Fault AnswerFaults::takeFault(const std::string& word) {
    if (targetFault_ != Fault::None && word == targetWord_) {
        if (targetSkip_-- > 0) return Fault::None;
        const Fault fault = targetFault_;
        targetFault_ = Fault::None;
        return fault;
    }
    const Fault fault = fault_;
    if (remaining_ > 0 && --remaining_ == 0) fault_ = Fault::None;
    return fault;
}

std::optional<ShapedAnswer> AnswerFaults::shape(const Reply& reply, const std::string& word) {
    if (!raw_.empty()) {
        std::string bytes = std::move(raw_.front());
        raw_.pop_front();
        return ShapedAnswer{std::move(bytes)};
    }
    switch (takeFault(word)) {
        case Fault::None:
            return ShapedAnswer{frameReply(reply)};
        case Fault::WrongChecksum:
            return ShapedAnswer{frameWithWrongChecksum(reply)};
        case Fault::LowerCaseChecksum:
            return ShapedAnswer{frameWithLowerCaseChecksum(reply)};
        case Fault::ChecksumEcho:
            return ShapedAnswer{devlink::checksumEcho(word)};
        case Fault::Silence:
            return std::nullopt;
        case Fault::Overlong:
            return ShapedAnswer{overlongAnswer(word)};
        case Fault::EndlessStream:
            return ShapedAnswer{endlessStream(word)};
        case Fault::SlowBytes:
            return ShapedAnswer{frameReply(reply), 2};
        case Fault::Vanish: {
            const std::string whole = frameReply(reply);
            return ShapedAnswer{whole.substr(0, whole.size() / 2), 0, true};
        }
        case Fault::CarrierLoss:
            return ShapedAnswer{{}, 0, false, true};
    }
    return ShapedAnswer{frameReply(reply)};
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

std::string endlessStream(const std::string& word) {
    std::string bytes = word + "|";
    bytes.resize(12000, '7');  // about six seconds at 19200 bit/s
    return bytes;
}

std::string overlongAnswer(const std::string& word) {
    std::string bytes = word + "|";
    bytes.resize(kOverlongChars, '0');
    return bytes;
}

}  // namespace unitsim
