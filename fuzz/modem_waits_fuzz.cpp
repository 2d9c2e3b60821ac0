// The modem's replies: the waits for CONNECT and for OK, and the dial-up
// and hang-up built on them, against a modem that answers anything (echo,
// result codes with the line speed, noise, silence halfway).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>

#include "devlink/modem_link.h"
#include "support/fuzz_check.h"
#include "support/fuzz_port.h"
#include "support/fuzz_window.h"

namespace {

using devlink::ConnectResult;
using devlink::kModemReplyChars;
using devlink::OkResult;

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

void checkReply(const fuzzing::FuzzPort& port, std::size_t before,
                const devlink::ModemReply& reply) {
    const std::string_view taken = port.readSince(before);
    FUZZ_CHECK(taken.size() <= kModemReplyChars, "a wait reads at most 30 characters");
    FUZZ_CHECK(
        std::memcmp(reply.data(), taken.data(), taken.size()) == 0 && reply[taken.size()] == '\0',
        "the reply holds what came, terminated");
}

void waitForConnect(fuzzing::FuzzPort& port, devlink::ModemLink& modem) {
    const std::size_t before = port.taken();
    devlink::ModemReply reply;
    reply.fill('\x5A');
    const ConnectResult result = modem.waitConnect(reply);
    checkReply(port, before, reply);
    const std::string_view taken = port.readSince(before);
    FUZZ_CHECK(!port.modemWait, "the long modem timeouts never outlast the wait");
    switch (result) {
        case ConnectResult::Connected:
            FUZZ_CHECK(endsWith(taken, "CONNECT\r\n"), "connected only on CONNECT CR LF");
            break;
        case ConnectResult::NoCarrier:
            FUZZ_CHECK(endsWith(taken, "NO CARRIER\r\n"), "no carrier only on NO CARRIER CR LF");
            break;
        case ConnectResult::Overflow:
            FUZZ_CHECK(taken.size() == kModemReplyChars, "overflow after 30 characters");
            break;
        case ConnectResult::Failed:
            FUZZ_CHECK(port.left() == 0, "the wait fails only when the modem falls silent");
            break;
    }
}

void waitForOk(fuzzing::FuzzPort& port, devlink::ModemLink& modem) {
    const std::size_t before = port.taken();
    devlink::ModemReply reply;
    reply.fill('\x5A');
    const OkResult result = modem.waitOk(reply);
    checkReply(port, before, reply);
    const std::string_view taken = port.readSince(before);
    if (result == OkResult::Done)
        FUZZ_CHECK(endsWith(taken, "OK\r\n") || endsWith(taken, "NO C"),
                   "done only on OK CR LF or NO C");
    if (result == OkResult::Overflow)
        FUZZ_CHECK(taken.size() == kModemReplyChars, "overflow after 30 characters");
    if (result == OkResult::Failed)
        FUZZ_CHECK(port.left() == 0, "the wait fails only when the modem falls silent");
}

void dialUp(fuzzing::FuzzPort& port, fuzzing::FuzzWindow& window, devlink::ModemLink& modem) {
    const std::size_t before = port.taken();
    window.isConnected = false;
    port.written.clear();
    modem.dialUp();
    const std::string_view taken = port.readSince(before);
    FUZZ_CHECK(!port.modemWait, "the long modem timeouts never outlast the dial-up");
    FUZZ_CHECK(port.written.empty() || port.written.back() == '\r', "a dial command ends in CR");
    if (window.isConnected) {
        FUZZ_CHECK(endsWith(taken, "CONNECT\r\n"), "connected only on CONNECT CR LF");
        FUZZ_CHECK(window.status == "ONLINE", "a connection shows ONLINE");
    } else if (!port.written.empty()) {
        FUZZ_CHECK(window.modemControls[devlink::ModemControl::ConnectButton],
                   "without a connection the connect button is usable again");
    }
}

void hangUp(fuzzing::FuzzPort& port, fuzzing::FuzzWindow& window, devlink::ModemLink& modem) {
    window.isConnected = true;
    port.written.clear();
    modem.hangUp();
    if (!window.isConnected) {
        FUZZ_CHECK(port.written == "+++ATH\r", "a hang-up escapes and hangs up");
        FUZZ_CHECK(window.status == "OFFLINE", "a finished hang-up shows OFFLINE");
    } else {
        FUZZ_CHECK(window.modemControls[devlink::ModemControl::DisconnectButton],
                   "an unfinished hang-up leaves the disconnect button usable");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto steps = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange(1, 4));
    const std::string line = input.ConsumeRemainingBytesAsString();
    fuzzing::FuzzPort port(line);
    fuzzing::FuzzWindow window;
    devlink::ModemLink modem(port, window);
    for (const std::uint8_t step : steps) {
        window.englishTexts = step & 4;
        switch (step & 3) {
            case 0:
                waitForConnect(port, modem);
                break;
            case 1:
                waitForOk(port, modem);
                break;
            case 2:
                dialUp(port, window, modem);
                break;
            default:
                hangUp(port, window, modem);
                break;
        }
    }
    return 0;
}
