// The controller programs' login against a unit that answers anything.
// The first byte chooses the intent, the window's state and whether the
// serial-number field holds six digits or text from the input; the rest
// is what the unit sends.
#include <fuzzer/FuzzedDataProvider.h>

#include "devlink/login.h"
#include "support/fuzz_check.h"
#include "support/fuzz_port.h"
#include "support/fuzz_window.h"

namespace {

bool sixDigits(const std::string& text) {
    if (text.size() != 6) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto choice = input.ConsumeIntegral<std::uint8_t>();
    fuzzing::FuzzWindow window;
    window.englishTexts = choice & 1;
    window.intervalTicked = choice & 2;
    window.timerRunning = window.intervalTicked;
    if (choice & 4) window.serial = input.ConsumeBytesAsString(input.ConsumeIntegralInRange(0, 8));
    const auto intent = static_cast<devlink::LoginIntent>((choice >> 3) % 3);
    const std::string line = input.ConsumeRemainingBytesAsString();
    fuzzing::FuzzPort port(line);
    port.purgeWorks = !(choice & 0x80);
    devlink::DeviceLink link(port, window);

    const int result = devlink::controllerLogin(link, intent);

    FUZZ_CHECK(result >= 0 && result <= 2, "the login result is 0, 1 or 2");
    const std::string serial = window.serial.substr(0, 6);
    if (!sixDigits(serial) || !port.purgeWorks) {
        FUZZ_CHECK(port.written.empty() && port.taken() == 0,
                   "without six digits or a usable port nothing goes on the line");
        FUZZ_CHECK(result == 0 && !window.messages.empty(), "the login stops with a message");
        return 0;
    }
    FUZZ_CHECK(port.written == devlink::frameRequest("CSN|" + serial + "|"),
               "the request carries exactly the six digits");
    FUZZ_CHECK(port.taken() <= devlink::kMaxAnswerChars, "one answer of at most 700 is read");
    const std::string_view answer = port.readSince(0);
    if (result == 0) {
        FUZZ_CHECK(window.status != "READ" && window.status != "WRITE",
                   "a failed login does not claim a session");
        FUZZ_CHECK(!window.messages.empty(), "a failed login says why");
        FUZZ_CHECK(!window.answered(devlink::LoginAnswer::ReadWrite),
                   "a failed login never reports reading and writing");
        return 0;
    }
    FUZZ_CHECK(!answer.empty() && answer.back() == devlink::kEndByte,
               "a login succeeds only on a complete answer");
    FUZZ_CHECK(answer != "CSN|0|0C\x04" && answer != "CSN|CF|65\x04",
               "no access and a wrong serial number never log in");
    if (result == 1) {
        FUZZ_CHECK(answer == "CSN|1|0D\x04", "reading only is granted by its own answer");
        // Only the interval reading goes on quietly; a write stops with the notice.
        if (!window.intervalTicked)
            FUZZ_CHECK(intent != devlink::LoginIntent::Write, "reading only never writes");
    }
    FUZZ_CHECK(window.answers.size() == 1, "a whole answer is reported once");
    if (window.answered(devlink::LoginAnswer::ReadWrite))
        FUZZ_CHECK(answer == "CSN|2|0E\x04", "only the reading-and-writing answer grants all");
    FUZZ_CHECK(window.status == (intent == devlink::LoginIntent::Write ? "WRITE" : "READ"),
               "a login shows READ or WRITE");
    return 0;
}
