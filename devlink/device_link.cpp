#include "devlink/device_link.h"

#include "devlink/delay.h"

namespace devlink {

std::string purgeFailedText(const Port& port, bool english) {
    const std::string cause = port.problemText(english);
    return "clear com-buffer failed:\n" + port.name() +
           " nicht vorhanden oder bereits verwendet !" + (cause.empty() ? "" : "\n" + cause);
}

std::string lostCause(const Port& port, bool english) {
    const std::string cause = port.lostText(english);
    return cause.empty() ? cause : "\n" + cause;
}

DeviceLink::DeviceLink(Port& port, LinkWindow& window, LinkProfile profile)
    : port_(port), window_(window), profile_(std::move(profile)) {}

bool DeviceLink::writeRequest(std::string_view framed, bool pause) {
    for (char c : framed) {
        if (c == '\0') break;
        if (!port_.writeByte(static_cast<std::uint8_t>(c))) {
            window_.lineFailed(LineFailure::Port);
            window_.showMessage("write to comport failed" + lostCause(port_, window_.english()),
                                MessageCaption::ProgramName);
            return false;
        }
        if (pause) Delay(1);
    }
    return true;
}

ReadResult DeviceLink::readAnswer(AnswerBuffer& answer, bool showBusy) {
    const bool controller = !profile_.measuring;
    ReadResult result = ReadResult::Complete;
    std::size_t length = 0;
    char last = ' ';
    if (controller && window_.intervalReadingTicked()) window_.stopIntervalTimer();
    if (showBusy) window_.setStatusText("BUSY");
    while (last != kEndByte && result != ReadResult::Overflow) {
        const auto byte = port_.readByte();
        if (!byte) {
            answer[length] = '\0';
            if (controller) window_.showLinkState();
            window_.lineFailed(LineFailure::NoAnswer);
            window_.showMessage(
                port_.name() + pick(window_, ": \u00DCbertragungsfehler", ": transmission error") +
                    lostCause(port_, window_.english()),
                MessageCaption::ProgramCaption);
            return ReadResult::Failed;
        }
        last = static_cast<char>(*byte);
        answer[length++] = last;
        if (length >= kMaxAnswerChars && last != kEndByte) result = ReadResult::Overflow;
    }
    answer[length] = '\0';
    if (controller) {
        window_.showLinkState();
        if (window_.intervalReadingTicked()) window_.startIntervalTimer();
    }
    return result;
}

bool DeviceLink::exchange(std::string_view request, std::string_view label, bool pause,
                          AnswerBuffer& answer) {
    if (!writeRequest(frameRequest(request), pause)) return false;
    switch (readAnswer(answer, false)) {
        case ReadResult::Failed:
            return false;
        case ReadResult::Overflow:
            reportOverflow();
            return false;
        case ReadResult::Complete:
            break;
    }
    return checkAnswer(answer, request.substr(0, 3), label);
}

bool DeviceLink::checkAnswer(const AnswerBuffer& answer, std::string_view commandWord,
                             std::string_view label) {
    if (!verifyAnswer(answer.data())) {
        reportUnitToPcError(label);
        return false;
    }
    if (isChecksumEcho(answer.data(), commandWord)) {
        reportPcToUnitError(label);
        return false;
    }
    return true;
}

void DeviceLink::refreshLinkState() {
    if (!profile_.measuring) window_.showLinkState();
}

void DeviceLink::reportUnitToPcError(std::string_view label) {
    refreshLinkState();
    window_.lineFailed(LineFailure::Checksum);
    window_.showMessage(std::string(label) + ": checksum error, error in transmission (" +
                            profile_.deviceWord + " -> PC)",
                        MessageCaption::ProgramCaption);
}

void DeviceLink::reportPcToUnitError(std::string_view label) {
    refreshLinkState();
    window_.lineFailed(LineFailure::Checksum);
    window_.showMessage(std::string(label) + ": checksum error, error in transmission (PC -> " +
                            profile_.deviceWord + ")",
                        MessageCaption::ProgramCaption);
}

void DeviceLink::reportOverflow() {
    window_.lineFailed(LineFailure::Overflow);
    window_.showMessage("buffer overflow", MessageCaption::ProgramName);
}

}  // namespace devlink
