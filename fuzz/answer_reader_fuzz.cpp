// The answer reader and the checks behind every exchange, on a port whose
// unit sends anything at all: answers of any length, with or without end
// byte, zero bytes, a line that falls silent halfway. The first byte
// chooses the program kind and the window's state; the rest is the line.
#include <algorithm>
#include <cstring>

#include "devlink/device_link.h"
#include "devlink/telegram.h"
#include "support/fuzz_check.h"
#include "support/fuzz_port.h"
#include "support/fuzz_window.h"

namespace {

using devlink::kEndByte;
using devlink::kMaxAnswerChars;
using devlink::ReadResult;

// The checksum rule worked out independently of the codec: the answer ends
// in the end byte, holds no zero byte, and the two characters before the
// end byte are the upper-case hex sum of everything before them.
bool checksumRight(std::string_view answer) {
    if (answer.size() < 3 || answer.back() != kEndByte) return false;
    if (answer.find('\0') != std::string_view::npos) return false;
    unsigned sum = 0;
    for (std::size_t i = 0; i + 3 < answer.size(); ++i)
        sum += static_cast<unsigned char>(answer[i]);
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", sum & 0xFF);
    return answer.compare(answer.size() - 3, 2, digits) == 0;
}

void checkRead(const fuzzing::FuzzPort& port, std::size_t before, ReadResult result,
               const devlink::AnswerBuffer& answer) {
    const std::string_view taken = port.readSince(before);
    FUZZ_CHECK(taken.size() <= kMaxAnswerChars, "an answer is never longer than 700 characters");
    FUZZ_CHECK(std::memcmp(answer.data(), taken.data(), taken.size()) == 0,
               "the answer holds the bytes as received");
    FUZZ_CHECK(answer[taken.size()] == '\0', "the answer is terminated behind its last byte");
    const std::size_t end = taken.find(kEndByte);
    switch (result) {
        case ReadResult::Complete:
            FUZZ_CHECK(end == taken.size() - 1, "a complete answer ends at its first end byte");
            break;
        case ReadResult::Overflow:
            FUZZ_CHECK(taken.size() == kMaxAnswerChars && end == std::string_view::npos,
                       "overflow means 700 characters without an end byte");
            break;
        case ReadResult::Failed:
            FUZZ_CHECK(port.left() == 0 && end == std::string_view::npos,
                       "a read fails only when the line falls silent before the end byte");
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned choice = data[0];
    const std::string_view line(reinterpret_cast<const char*>(data + 1), size - 1);
    fuzzing::FuzzPort port(line);
    fuzzing::FuzzWindow window;
    window.englishTexts = choice & 1;
    window.intervalTicked = choice & 2;
    window.timerRunning = window.intervalTicked;
    devlink::LinkProfile profile;
    profile.measuring = choice & 4;
    const bool showBusy = choice & 8;
    const bool viaExchange = choice & 16;
    devlink::DeviceLink link(port, window, profile);

    while (port.left() > 0) {
        const std::size_t before = port.taken();
        const std::size_t messagesBefore = window.messages.size();
        devlink::AnswerBuffer answer;
        answer.fill('\x5A');
        if (viaExchange) {
            port.written.clear();
            const bool valid = link.exchange("DSI|", "DSI", true, answer);
            FUZZ_CHECK(port.written == devlink::frameRequest("DSI|"),
                       "the request goes out framed");
            const std::string_view taken = port.readSince(before);
            FUZZ_CHECK(taken.size() <= kMaxAnswerChars, "an answer is never longer than 700");
            const bool echo = taken.substr(0, 7) == devlink::checksumEcho("DSI");
            const bool complete = !taken.empty() && taken.back() == kEndByte;
            FUZZ_CHECK(valid == (complete && checksumRight(taken) && !echo),
                       "an exchange succeeds exactly for a complete answer with its checksum "
                       "right that is no checksum echo");
            FUZZ_CHECK(valid == (window.messages.size() == messagesBefore),
                       "every failed exchange shows a message, a valid one none");
            continue;
        }
        const ReadResult result = link.readAnswer(answer, showBusy);
        checkRead(port, before, result, answer);
        if (!profile.measuring && window.intervalTicked)
            FUZZ_CHECK(window.timerRunning == (result != ReadResult::Failed),
                       "the interval timer runs again once an answer has come, and stays "
                       "stopped after a failure");
        if (result == ReadResult::Failed)
            FUZZ_CHECK(window.said("transmission error") || window.said("\u00DCbertragungsfehler"),
                       "a silent line gives the transmission error");
        if (result == ReadResult::Complete) {
            const bool valid = link.checkAnswer(answer, "DSI", "DSI");
            const std::string_view text(answer.data(), port.taken() - before);
            if (valid) FUZZ_CHECK(checksumRight(text), "an accepted answer has its checksum right");
        }
    }
    return 0;
}
