#include "devlink/modem_link.h"

#include <cstring>

#include "devlink/delay.h"
#include "devlink/device_link.h"

namespace devlink {

namespace {

// The last n received characters, oldest first.
template <std::size_t N>
struct Tail {
    std::array<char, N> chars;
    explicit Tail(const char* start) { std::memcpy(chars.data(), start, N); }
    void push(char c) {
        std::memmove(chars.data(), chars.data() + 1, N - 1);
        chars[N - 1] = c;
    }
    bool is(const char* text) const { return std::memcmp(chars.data(), text, N) == 0; }
};

constexpr const char* kTryAgain =
    "try disconnect again or quit the program and switch off the modem!";

}  // namespace

bool ModemLink::writePaced(const std::string& bytes, std::size_t longPauseAfter) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (!port_.writeByte(static_cast<std::uint8_t>(bytes[i]))) {
            window_.lineFailed(LineFailure::Port);
            window_.showMessage("write to comport failed" + lostCause(port_, window_.english()),
                                MessageCaption::ProgramName);
            return false;
        }
        // The first digit of the number may be an outside-line prefix: the
        // exchange needs time for the dial tone before the rest.
        if (i + 1 == longPauseAfter) Delay(2000);
        Delay(1);
    }
    return true;
}

bool ModemLink::restoreNormalTimeouts() {
    if (port_.setNormalTimeouts()) return true;
    window_.showMessage("error in SetCommTimeouts", MessageCaption::ProgramName);
    port_.closePort();
    return false;
}

void ModemLink::modemTransmissionError(const char* expected) {
    window_.showLinkState();
    window_.lineFailed(LineFailure::NoAnswer);
    window_.showMessage(port_.name() +
                            (window_.english() ? ": modem transmission error (\""
                                               : ": Modem \u00DCbertragungsfehler (\"") +
                            expected + "\")" + lostCause(port_, window_.english()),
                        MessageCaption::ProgramCaption);
}

ConnectResult ModemLink::waitConnect(ModemReply& reply) {
    if (!port_.setModemWaitTimeouts()) {
        window_.showMessage("error in SetCommTimeouts", MessageCaption::ProgramName);
        port_.closePort();
        return ConnectResult::Failed;
    }
    window_.setStatusText("BUSY");
    Tail<12> last12("            ");
    Tail<9> last9("         ");
    std::size_t length = 0;
    ConnectResult result = ConnectResult::Failed;
    bool decided = false;
    while (!decided) {
        const auto byte = port_.readByte();
        if (!byte) {
            reply[length] = '\0';
            restoreNormalTimeouts();
            modemTransmissionError("CONNECT");
            return ConnectResult::Failed;
        }
        const char c = static_cast<char>(*byte);
        reply[length++] = c;
        last12.push(c);
        last9.push(c);
        if (last12.is("NO CARRIER\r\n"))
            result = ConnectResult::NoCarrier, decided = true;
        else if (last9.is("CONNECT\r\n"))
            result = ConnectResult::Connected, decided = true;
        else if (length >= kModemReplyChars)
            result = ConnectResult::Overflow, decided = true;
    }
    reply[length] = '\0';
    if (!restoreNormalTimeouts()) return ConnectResult::Failed;
    return result;
}

OkResult ModemLink::waitOk(ModemReply& reply) {
    window_.setStatusText("BUSY");
    Tail<4> last4("init");  // nothing matches before four characters have come
    std::size_t length = 0;
    for (;;) {
        const auto byte = port_.readByte();
        if (!byte) {
            reply[length] = '\0';
            modemTransmissionError("OK");
            return OkResult::Failed;
        }
        const char c = static_cast<char>(*byte);
        reply[length++] = c;
        last4.push(c);
        OkResult result = OkResult::Failed;
        if (last4.is("OK\r\n") || last4.is("NO C"))
            result = OkResult::Done;
        else if (length >= kModemReplyChars)
            result = OkResult::Overflow;
        if (result != OkResult::Failed) {
            reply[length] = '\0';
            return result;
        }
    }
}

void ModemLink::dialUp() {
    std::string number = window_.dialNumberText();
    if (number.size() > 19) number.resize(19);
    if (number.empty()) {
        window_.showMessage(
            window_.english() ? "no dialnumber inscribed !" : "Keine W\u00E4hlnummer eingetragen !",
            MessageCaption::ProgramCaption);
        window_.focusDialNumber();
        return;
    }
    enable(ModemControl::ConnectButton, false);
    if (!port_.purgeReceive()) {
        enable(ModemControl::ConnectButton, true);
        window_.lineFailed(LineFailure::Port);
        window_.showMessage(purgeFailedText(port_, window_.english()), MessageCaption::ProgramName);
        return;
    }
    if (!writePaced("ATD" + number + "\r", 4)) return;
    ModemReply reply{};
    const ConnectResult result = waitConnect(reply);
    if (result == ConnectResult::Failed) {
        enable(ModemControl::ConnectButton, true);
        return;
    }
    if (result == ConnectResult::Connected) {
        enable(ModemControl::ReadButton, true);
        enable(ModemControl::DisconnectButton, true);
        window_.setConnected(true);
        enable(ModemControl::LinkTypeRadios, false);
    }
    window_.showLinkState();
    if (result == ConnectResult::NoCarrier) {
        window_.lineFailed(LineFailure::NoAnswer);
        window_.showMessage("NO CARRIER", MessageCaption::ProgramCaption);
    }
    if (result == ConnectResult::Overflow) {
        window_.lineFailed(LineFailure::Overflow);
        window_.showMessage("buffer overflow", MessageCaption::ProgramName);
    }
    if (!window_.connected()) enable(ModemControl::ConnectButton, true);
}

void ModemLink::hangUp() {
    for (ModemControl control :
         {ModemControl::DisconnectButton, ModemControl::IntervalCheckbox, ModemControl::WriteButton,
          ModemControl::ReadButton, ModemControl::HistoryReadButtons})
        enable(control, false);
    if (!port_.purgeReceive()) {
        enable(ModemControl::DisconnectButton, true);
        window_.showMessage(
            "clear com-buffer failed\ntry disconnect again or\nquit the program and switch off the "
            "modem!",
            MessageCaption::ProgramName);
        return;
    }
    for (const char* step : {"+++", "ATH\r"}) {
        Delay(1000);  // the guard time the modem needs around the escape
        if (!writePaced(step, 0)) return;
        ModemReply reply{};
        const OkResult result = waitOk(reply);
        if (result != OkResult::Done) {
            enable(ModemControl::DisconnectButton, true);
            if (result == OkResult::Overflow)
                window_.showMessage(std::string("bufferoverflow ") +
                                        (step[0] == '+' ? "+++" : "ATH") + ":\n" + kTryAgain,
                                    MessageCaption::ProgramName);
            return;
        }
    }
    window_.setConnected(false);
    enable(ModemControl::LinkTypeRadios, true);
    enable(ModemControl::ConnectButton, true);
    window_.setStatusText("OFFLINE");
}

}  // namespace devlink
