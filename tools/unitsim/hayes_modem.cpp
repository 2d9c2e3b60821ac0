#include "tools/unitsim/hayes_modem.h"

#include <utility>

namespace unitsim {

namespace {

// Longer command lines are refused; real modems have a buffer of about this.
constexpr std::size_t kMaxLine = 80;

constexpr std::int64_t toUs(int ms) {
    return static_cast<std::int64_t>(ms < 0 ? 0 : ms) * 1000;
}

// More than a program reads while waiting for "OK", with neither "OK" nor
// "NO CARRIER" in it.
constexpr std::string_view kGarbage = "ERROR ERROR ERROR ERROR ERROR ERROR\r\n";

}  // namespace

HayesModem::HayesModem(const Config& config)
    : echo_(config.modemEcho),
      dialDelayUs_(toUs(config.dialDelayMs)),
      outcome_(config.dialOutcome),
      escape_(toUs(config.guardMs)) {}

void HayesModem::receive(char byte, std::int64_t arrivalUs) {
    tick(arrivalUs);  // what fell due before this byte comes first
    switch (state_) {
        case ModemState::Online:
            return escape_.feed(byte, arrivalUs, out_.data);
        case ModemState::Dialling:
            return abortDial();
        case ModemState::Idle:
        case ModemState::OnlineCommand:
            return receiveCommandByte(byte, arrivalUs);
    }
}

void HayesModem::tick(std::int64_t nowUs) {
    if (state_ == ModemState::Dialling && nowUs >= dialDoneUs_) finishDial();
    if (state_ != ModemState::Online) return;
    if (auto pluses = escape_.escapeAt(nowUs, out_.data)) escape(std::move(*pluses));
}

std::optional<std::int64_t> HayesModem::deadlineUs() const {
    if (state_ == ModemState::Dialling) return dialDoneUs_;
    if (state_ == ModemState::Online) return escape_.deadlineUs();
    return std::nullopt;
}

ModemOutput HayesModem::take() {
    return std::exchange(out_, {});
}

void HayesModem::dropCarrier() {
    if (state_ != ModemState::Online && state_ != ModemState::OnlineCommand) return;
    reply("\r\nNO CARRIER\r\n");
    goIdle();
}

// A line is collected up to its CR. A line feed or "+" before a line starts
// is dropped: the line feed after a CR some programs send, and an escape
// sent to a modem that is in command mode already, which ignores it.
void HayesModem::receiveCommandByte(char byte, std::int64_t arrivalUs) {
    if (echo_) out_.reply.push_back(byte);
    if (byte == '\r') {
        if (line_.bytes.empty()) return;
        line_.bytes.push_back(byte);
        line_.arrivalUs.push_back(arrivalUs);
        return execute(std::exchange(line_, {}));
    }
    if (line_.bytes.empty() && (byte == '\n' || byte == '+')) return;
    if (line_.bytes.size() > kMaxLine) return;  // refused at the CR
    line_.bytes.push_back(byte);
    line_.arrivalUs.push_back(arrivalUs);
}

void HayesModem::execute(IncomingTelegram line) {
    const std::string_view text = std::string_view(line.bytes).substr(0, line.bytes.size() - 1);
    const AtCommand command = text.size() > kMaxLine ? AtCommand{} : parseAtCommand(text);
    const std::int64_t atUs = line.arrivalUs.back();
    out_.commands.push_back(std::move(line));
    executeParsed(command, atUs);
}

void HayesModem::executeParsed(const AtCommand& command, std::int64_t atUs) {
    const bool connected = state_ == ModemState::OnlineCommand;
    switch (command.kind) {
        case AtCommand::Kind::Dial:
            if (connected) return reply("ERROR\r\n");  // the line is taken
            return dial(command.number, atUs);
        case AtCommand::Kind::HangUp:
            goIdle();
            return reply("OK\r\n");
        case AtCommand::Kind::Online:
            if (!connected) return reply("NO CARRIER\r\n");
            reply("CONNECT\r\n");
            return goOnline(atUs);
        case AtCommand::Kind::Other:
            return reply("OK\r\n");
        case AtCommand::Kind::Invalid:
            return reply("ERROR\r\n");
    }
}

void HayesModem::dial(const std::string& number, std::int64_t fromUs) {
    number_ = number;
    state_ = ModemState::Dialling;
    dialDoneUs_ = fromUs + dialDelayUs_;
}

void HayesModem::finishDial() {
    state_ = ModemState::Idle;
    switch (outcome_) {
        case ModemOutcome::Connect:
            reply("CONNECT\r\n");
            break;
        case ModemOutcome::ConnectWithSpeed:
            reply("CONNECT 19200\r\n");
            break;
        case ModemOutcome::NoCarrier:
            return reply("NO CARRIER\r\n");
        case ModemOutcome::Busy:
            return reply("BUSY\r\n");
        case ModemOutcome::Silent:
            return;
    }
    out_.connected = true;
    goOnline(dialDoneUs_);
}

// Any byte while dialling aborts the call, as a key press does on a real modem.
void HayesModem::abortDial() {
    state_ = ModemState::Idle;
    reply("NO CARRIER\r\n");
}

void HayesModem::escape(IncomingTelegram pluses) {
    out_.commands.push_back(std::move(pluses));
    state_ = ModemState::OnlineCommand;
    if (escapeResponse_ == EscapeResponse::Ok) reply("OK\r\n");
    if (escapeResponse_ == EscapeResponse::Garbage) reply(kGarbage);
}

void HayesModem::goOnline(std::int64_t nowUs) {
    state_ = ModemState::Online;
    escape_.restart(nowUs);
}

void HayesModem::goIdle() {
    state_ = ModemState::Idle;
    escape_.restart(0);
    line_ = {};
}

}  // namespace unitsim
