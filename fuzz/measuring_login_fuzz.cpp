// The measuring program's login against a unit that answers anything: the
// short and the long answer forms, the device type and the variant name.
#include <fuzzer/FuzzedDataProvider.h>

#include "devlink/login.h"
#include "support/fuzz_check.h"
#include "support/fuzz_port.h"
#include "support/fuzz_window.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto choice = input.ConsumeIntegral<std::uint8_t>();
    fuzzing::FuzzWindow window;
    if (choice & 4) window.serial = input.ConsumeBytesAsString(input.ConsumeIntegralInRange(0, 8));
    const auto intent = static_cast<devlink::LoginIntent>((choice >> 3) % 3);
    const std::string line = input.ConsumeRemainingBytesAsString();
    fuzzing::FuzzPort port(line, "COM1");
    devlink::LinkProfile profile{"Vantiqo", true};
    devlink::DeviceLink link(port, window, profile);
    devlink::MeasuringLogin login;

    // Two logins in a row: the second must not depend on what the first left.
    for (int round = 0; round < 2 && (round == 0 || port.left() > 0); ++round) {
        const std::size_t before = port.taken();
        window.status = "BEREIT";
        window.variant.clear();
        const int result = login.login(link, intent);
        const std::string_view answer = port.readSince(before);
        FUZZ_CHECK(result >= 0 && result <= 4, "the login result is 0 to 4");
        FUZZ_CHECK(answer.size() <= devlink::kMaxAnswerChars, "one answer of at most 700");
        const char type = login.deviceType();
        const std::string name = devlink::MeasuringLogin::variantName(type);
        FUZZ_CHECK(window.variant.empty() || window.variant == name,
                   "the window names only a known variant");
        if (result == 0) {
            FUZZ_CHECK(window.status == "BEREIT", "a failed login leaves the status field");
            FUZZ_CHECK(!window.messages.empty(), "a failed login says why");
            continue;
        }
        FUZZ_CHECK(!answer.empty() && answer.back() == devlink::kEndByte,
                   "a login result comes from a complete answer");
        if (result == 4) FUZZ_CHECK(answer == "CSN|CF|65\x04", "4 is the wrong serial number");
        if (result == 3)
            FUZZ_CHECK(
                window.status == (intent == devlink::LoginIntent::Write ? "SCHREIBEN" : "LESEN"),
                "reading and writing shows LESEN or SCHREIBEN");
        if (answer.size() == 9 && answer.find('\0') == std::string_view::npos)
            FUZZ_CHECK(type == '0', "a short answer has no device type");
    }
    return 0;
}
