// The client's side of Telnet with Com Port Control: data bytes with IAC
// doubled, the replies to the server's option requests (none to what
// answers our own, so no loop), and the server's answers to the line
// settings and purges, also when they come split over several reads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devlink/telnet_codec.h"

using namespace devlink::telnet;

namespace {

std::string bytes(std::initializer_list<int> list) {
    std::string text;
    for (int byte : list) text += static_cast<char>(byte);
    return text;
}

// Feeds the text in pieces of `piece` bytes; returns the data bytes.
std::string decodeIn(Codec& codec, const std::string& text, std::size_t piece) {
    std::string data;
    for (std::size_t at = 0; at < text.size(); at += piece) {
        std::string part = text.substr(at, piece);
        std::vector<std::uint8_t> buffer(part.begin(), part.end());
        const std::size_t n = codec.decode(buffer.data(), buffer.size(), buffer.data());
        data.append(buffer.begin(), buffer.begin() + static_cast<long>(n));
    }
    return data;
}

}  // namespace

TEST(TelnetCodec, DataBytesComeThroughWithIacUndoubledAndCommandsTakenOut) {
    struct Case {
        const char* what;
        std::string received;
        std::string data;
    };
    const Case cases[] = {
        {"plain telegram", "DSI|5C\x04", "DSI|5C\x04"},
        {"doubled IAC", bytes({'A', 255, 255, 'B'}), bytes({'A', 255, 'B'})},
        {"no-operation and go-ahead", bytes({'A', 255, 241, 255, 249, 'B'}), "AB"},
        {"a notification between data bytes", bytes({'A', 255, 250, 44, 107, 0x30, 255, 240, 'B'}),
         "AB"},
        {"IAC doubled inside a subnegotiation",
         bytes({'A', 255, 250, 44, 101, 255, 255, 0, 0, 0, 255, 240, 'B'}), "AB"},
        {"an option request", bytes({'A', 255, 251, 3, 'B'}), "AB"},
    };
    for (const Case& c : cases) {
        for (std::size_t piece : {std::size_t{1}, std::size_t{2}, std::size_t{64}}) {
            Codec codec;
            EXPECT_EQ(decodeIn(codec, c.received, piece), c.data)
                << c.what << ", pieces of " << piece;
        }
    }
}

TEST(TelnetCodec, OutgoingIacIsDoubledAndCommandsAreFramed) {
    EXPECT_EQ(escaped('A'), "A");
    EXPECT_EQ(escaped(255), bytes({255, 255}));
    EXPECT_EQ(baudValue(19200), bytes({0, 0, 0x4B, 0}));
    EXPECT_EQ(comPortCommand(kSetBaudRate, baudValue(9600)),
              bytes({255, 250, 44, 1, 0, 0, 0x25, 0x80, 255, 240}));
    EXPECT_EQ(comPortCommand(kPurgeData, bytes({1})), bytes({255, 250, 44, 12, 1, 255, 240}));
    // A value byte of 255 would end the subnegotiation if it were not doubled.
    EXPECT_EQ(comPortCommand(kSetBaudRate, baudValue(0xFF00)),
              bytes({255, 250, 44, 1, 0, 0, 255, 255, 0, 255, 240}));
}

// The server's requests as a serial server makes them at the start, and
// what the client owes in reply: what it asked for itself needs none.
TEST(TelnetCodec, RepliesAcceptWhatALineNeedsRefuseTheRestAndNeverAnswerAnAnswer) {
    struct Case {
        const char* what;
        std::string received;
        std::string replies;
        Codec::ComPort comPort;
    };
    const Case cases[] = {
        {"the server agrees to what we offered", bytes({255, 253, 44, 255, 253, 0, 255, 251, 0}),
         "", Codec::ComPort::Agreed},
        {"suppress go-ahead both ways is accepted", bytes({255, 251, 3, 255, 253, 3}),
         bytes({255, 253, 3, 255, 251, 3}), Codec::ComPort::Pending},
        {"the server's echo is refused", bytes({255, 251, 1}), bytes({255, 254, 1}),
         Codec::ComPort::Pending},
        {"an option we do not know is refused", bytes({255, 253, 24}), bytes({255, 252, 24}),
         Codec::ComPort::Pending},
        {"a refusal of what we never had needs no reply", bytes({255, 254, 1, 255, 252, 1}), "",
         Codec::ComPort::Pending},
        {"Com Port Control refused", bytes({255, 254, 44}), "", Codec::ComPort::Refused},
        {"a repeated agreement is no new request", bytes({255, 253, 44, 255, 253, 44}), "",
         Codec::ComPort::Agreed},
    };
    for (const Case& c : cases) {
        Codec codec;
        codec.opening();
        decodeIn(codec, c.received, 1);
        EXPECT_EQ(codec.takeReplies(), c.replies) << c.what;
        EXPECT_EQ(codec.comPort(), c.comPort) << c.what;
        EXPECT_EQ(codec.takeReplies(), "") << c.what;
    }
}

TEST(TelnetCodec, TheServersAnswersToSettingsAndPurgesAreKept) {
    Codec codec;
    codec.opening();
    EXPECT_FALSE(codec.answer(kSetBaudRate));
    decodeIn(codec, bytes({255, 250, 44,  101, 0,   0,   0x4B, 0,   255, 240, 255, 250, 44,
                           102, 8,   255, 240, 255, 250, 44,   112, 1,   255, 240, 255, 250,
                           44,  112, 2,   255, 240, 255, 250,  44,  112, 1,   255, 240}),
             3);
    ASSERT_TRUE(codec.answer(kSetBaudRate));
    EXPECT_EQ(*codec.answer(kSetBaudRate), bytes({0, 0, 0x4B, 0}));
    EXPECT_EQ(*codec.answer(kSetDataSize), bytes({8}));
    EXPECT_FALSE(codec.answer(kSetParity));
    EXPECT_EQ(codec.purgesConfirmed(kPurgeReceive), 2u);
    EXPECT_EQ(codec.purgesConfirmed(kPurgeTransmit), 1u);
    codec.forgetAnswers();
    EXPECT_FALSE(codec.answer(kSetBaudRate));
}

// A server's long subnegotiation (a signature text) is kept only up to a
// bound and holds up no data after it.
TEST(TelnetCodec, ALongSubnegotiationIsSkippedAndDataResumesAfterItsEnd) {
    Codec codec;
    std::string endless = bytes({255, 250, 44, 3});
    endless += std::string(100000, 'x');
    EXPECT_EQ(decodeIn(codec, endless + bytes({255, 240}) + "DATA", 4096), "DATA");
}
