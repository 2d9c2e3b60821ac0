// What a network serial server in RFC 2217 mode sends: data with doubled
// IAC, option requests and subnegotiations, cut into reads anywhere. The
// decoder may take only data out of it, answer each request at most once,
// keep what it holds bounded, and give back unchanged what the server
// escaped; the binding's text goes through the address parser on the way.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "devlink/network_address.h"
#include "devlink/telnet_codec.h"
#include "support/fuzz_check.h"

namespace {

using namespace devlink::telnet;

void checkReplies(const std::string& replies, std::size_t& replied, std::size_t received) {
    replied += replies.size();
    FUZZ_CHECK(replies.size() % 3 == 0, "replies are whole option commands");
    FUZZ_CHECK(replied <= received, "no more replies than requests received");
    for (std::size_t i = 0; i < replies.size(); i += 3) {
        const auto verb = static_cast<std::uint8_t>(replies[i + 1]);
        FUZZ_CHECK(static_cast<std::uint8_t>(replies[i]) == kIac && verb >= kWill && verb <= kDont,
                   "a reply is IAC and WILL, WONT, DO or DONT");
    }
}

void decodeInReads(FuzzedDataProvider& data) {
    Codec codec;
    codec.opening();
    std::size_t received = 0;
    std::size_t replied = 0;
    while (data.remaining_bytes() > 0) {
        const std::size_t size = data.ConsumeIntegralInRange<std::size_t>(1, 64);
        std::vector<std::uint8_t> read = data.ConsumeBytes<std::uint8_t>(size);
        const std::vector<std::uint8_t> original = read;
        const std::size_t count = codec.decode(read.data(), read.size(), read.data());
        received += read.size();
        FUZZ_CHECK(count <= original.size(), "no more data than bytes read");
        checkReplies(codec.takeReplies(), replied, received);
        for (std::uint8_t command = 0; command <= kPurgeData; ++command)
            if (const auto& answer = codec.answer(command))
                FUZZ_CHECK(answer->size() <= 64, "an answer the server sent is kept bounded");
    }
}

// Data escaped as the server escapes it comes back unchanged, however the
// reads cut it.
void roundTrip(const std::string& bytes, std::size_t piece) {
    std::string wire;
    for (char c : bytes) wire += escaped(static_cast<std::uint8_t>(c));
    Codec codec;
    std::string back;
    for (std::size_t at = 0; at < wire.size(); at += piece) {
        std::vector<std::uint8_t> read(
            wire.begin() + static_cast<long>(at),
            wire.begin() + static_cast<long>(std::min(wire.size(), at + piece)));
        const std::size_t count = codec.decode(read.data(), read.size(), read.data());
        back.append(read.begin(), read.begin() + static_cast<long>(count));
    }
    FUZZ_CHECK(back == bytes, "escaped data decodes to itself");
    FUZZ_CHECK(codec.takeReplies().empty(), "data alone asks for no reply");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    if (const auto address = devlink::parseNetworkAddress(text)) {
        FUZZ_CHECK(devlink::parseNetworkAddress(address->url()).has_value(),
                   "an address's own URL parses again");
        FUZZ_CHECK(address->url().find('/', address->url().find("://") + 3) == std::string::npos,
                   "no path after the port");
    }
    roundTrip(text, size % 7 + 1);
    FuzzedDataProvider data(bytes, size);
    decodeInReads(data);
    return 0;
}
