#include "devlink/telnet_codec.h"

namespace devlink::telnet {

namespace {

// Com Port Control answers are a few bytes; a server's signature text is the
// longest subnegotiation we expect and nothing of it is needed.
constexpr std::size_t kMaxSubnegotiation = 64;

std::string bytes(std::initializer_list<std::uint8_t> list) {
    std::string text;
    for (std::uint8_t byte : list) text += static_cast<char>(byte);
    return text;
}

bool weAccept(std::uint8_t code, bool ours) {
    return code == kBinary || code == kSuppressGoAhead || (ours && code == kComPortOption);
}

}  // namespace

std::string escaped(std::uint8_t byte) {
    return byte == kIac ? bytes({kIac, kIac}) : bytes({byte});
}

std::string comPortCommand(std::uint8_t command, const std::string& value) {
    std::string text = bytes({kIac, kSb, kComPortOption, command});
    for (char c : value) text += escaped(static_cast<std::uint8_t>(c));
    return text + bytes({kIac, kSe});
}

std::string baudValue(std::uint32_t baud) {
    return bytes({static_cast<std::uint8_t>(baud >> 24), static_cast<std::uint8_t>(baud >> 16),
                  static_cast<std::uint8_t>(baud >> 8), static_cast<std::uint8_t>(baud)});
}

std::string Codec::opening() {
    askedOurs_[kBinary] = askedTheirs_[kBinary] = askedOurs_[kComPortOption] = true;
    return bytes({kIac, kWill, kBinary, kIac, kDo, kBinary, kIac, kWill, kComPortOption});
}

std::size_t Codec::decode(const std::uint8_t* in, std::size_t count, std::uint8_t* data) {
    std::size_t out = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t byte = in[i];
        switch (state_) {
            case State::Data:
                if (byte == kIac)
                    state_ = State::Iac;
                else
                    data[out++] = byte;
                break;
            case State::Iac:
                state_ = State::Data;
                if (byte == kIac) {
                    data[out++] = byte;
                } else if (byte >= kWill && byte <= kDont) {
                    verb_ = byte;
                    state_ = State::Option;
                } else if (byte == kSb) {
                    sub_.clear();
                    state_ = State::Sub;
                }  // any other command (NOP, GA ...) means nothing on a serial line
                break;
            case State::Option:
                option(verb_, byte);
                state_ = State::Data;
                break;
            case State::Sub:
                if (byte == kIac)
                    state_ = State::SubIac;
                else if (sub_.size() < kMaxSubnegotiation)
                    sub_ += static_cast<char>(byte);
                break;
            case State::SubIac:
                if (byte == kIac) {
                    if (sub_.size() < kMaxSubnegotiation) sub_ += static_cast<char>(byte);
                    state_ = State::Sub;
                    break;
                }
                if (byte == kSe) subnegotiation();
                state_ = State::Data;  // a malformed end drops the subnegotiation
                break;
        }
    }
    return out;
}

void Codec::option(std::uint8_t verb, std::uint8_t code) {
    if (verb == kWill || verb == kWont)
        theyWill(code, verb == kWill);
    else
        theyDo(code, verb == kDo);
}

// The server's own options. Replies only change the state: an answer to what
// we asked for is no new request and gets none, so no loop can start.
void Codec::theyWill(std::uint8_t code, bool will) {
    if (will && !weAccept(code, false)) {
        reply(kDont, code);
    } else if (will && !theirs_[code]) {
        theirs_[code] = true;
        if (!askedTheirs_[code]) reply(kDo, code);
    } else if (!will && theirs_[code]) {
        theirs_[code] = false;
        reply(kDont, code);
    }
    askedTheirs_[code] = false;
}

void Codec::theyDo(std::uint8_t code, bool doIt) {
    if (doIt && !weAccept(code, true)) {
        reply(kWont, code);
    } else if (doIt && !ours_[code]) {
        ours_[code] = true;
        if (!askedOurs_[code]) reply(kWill, code);
    } else if (!doIt && ours_[code]) {
        ours_[code] = false;
        reply(kWont, code);
    }
    askedOurs_[code] = false;
    if (code == kComPortOption) comPort_ = doIt ? ComPort::Agreed : ComPort::Refused;
}

void Codec::subnegotiation() {
    if (sub_.size() < 2 || static_cast<std::uint8_t>(sub_[0]) != kComPortOption) return;
    const auto command = static_cast<std::uint8_t>(sub_[1]);
    if (command < kServerAnswer) return;
    const std::size_t which = command - kServerAnswer;
    if (which >= answers_.size()) return;
    answers_[which] = sub_.substr(2);
    if (which == kPurgeData && sub_.size() == 3) {
        const auto purged = static_cast<std::uint8_t>(sub_[2]);
        if (purged < purges_.size()) ++purges_[purged];
    }
}

void Codec::reply(std::uint8_t verb, std::uint8_t code) {
    replies_ += bytes({kIac, verb, code});
}

std::string Codec::takeReplies() {
    std::string taken;
    taken.swap(replies_);
    return taken;
}

const std::optional<std::string>& Codec::answer(std::uint8_t command) const {
    static const std::optional<std::string> none;
    return command < answers_.size() ? answers_[command] : none;
}

void Codec::forgetAnswers() {
    for (auto& answer : answers_) answer.reset();
}

std::size_t Codec::purgesConfirmed(std::uint8_t which) const {
    return which < purges_.size() ? purges_[which] : 0;
}

}  // namespace devlink::telnet
