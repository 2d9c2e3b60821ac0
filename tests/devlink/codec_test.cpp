// Telegram grammar and field encodings against the worked values of the
// unit protocol.
#include <gtest/gtest.h>

#include <cmath>

#include "devlink/fields.h"
#include "devlink/telegram.h"

using namespace devlink;

namespace {
std::string cs(std::string_view text) {
    const auto sum = checksum(text, text.size());
    return {sum[0], sum[1]};
}
}  // namespace

TEST(Checksum, WorkedValues) {
    EXPECT_EQ(cs("CSN|"), "60");
    EXPECT_EQ(cs("SEQ|"), "65");
    EXPECT_EQ(cs("CSN|CF|"), "65");
    EXPECT_EQ(cs("CSN|0|"), "0C");
    EXPECT_EQ(cs("DPS|CF|"), "68");
    // The login request is summed over its eleven bytes only.
    const auto sum = checksum("CSN|123456|XYZ", 11);
    EXPECT_EQ(std::string(sum.begin(), sum.end()), cs("CSN|123456|"));
    EXPECT_EQ(frameRequest("SEQ|"), std::string("SEQ|65\x04", 7));
}

TEST(Checksum, EchoTableOfEveryCommand) {
    const std::pair<const char*, const char*> table[] = {
        {"CSN", "CSN|60"}, {"DSI", "DSI|5C"}, {"DPI", "DPI|59"}, {"SEQ", "SEQ|65"},
        {"SRS", "SRS|74"}, {"SRF", "SRF|67"}, {"SFA", "SFA|56"}, {"STS", "STS|76"},
        {"DHI", "DHI|51"}, {"DEI", "DEI|4E"}, {"RMV", "RMV|71"}, {"DFI", "DFI|4F"},
        {"DFL", "DFL|52"}, {"CLM", "CLM|58"}};
    for (const auto& [word, echo] : table) {
        const std::string answer = std::string(echo) + '\x04';
        EXPECT_EQ(checksumEcho(word), answer) << word;
        EXPECT_TRUE(verifyAnswer(answer.c_str())) << word;
        EXPECT_TRUE(isChecksumEcho(answer.c_str(), word)) << word;
    }
    EXPECT_FALSE(isChecksumEcho("SEQ|65X\x04", "SEQ"));
    EXPECT_FALSE(isChecksumEcho("SEQ|65", "SEQ"));  // no end byte
    EXPECT_FALSE(isChecksumEcho("DSI|5C\x04", "SEQ"));
}

TEST(VerifyAnswer, AcceptsOnlyExactUpperCaseChecksum) {
    EXPECT_TRUE(verifyAnswer("CSN|2|0E\x04"));
    EXPECT_FALSE(verifyAnswer("CSN|2|0e\x04"));
    EXPECT_FALSE(verifyAnswer("CSN|2|0F\x04"));
    // Too short to hold a checksum: never read before the answer.
    EXPECT_FALSE(verifyAnswer(""));
    EXPECT_FALSE(verifyAnswer("\x04"));
    EXPECT_FALSE(verifyAnswer("0\x04"));
    EXPECT_TRUE(verifyAnswer("00\x04"));  // nothing summed gives "00"
    // A zero byte inside an answer cuts the text short: the character before
    // it is no end byte, whatever the digits before that say.
    const std::string broken("CSN|1|0DM\0\0\0N|1|0D\x04", 19);
    EXPECT_FALSE(verifyAnswer(broken.c_str()));
    EXPECT_FALSE(verifyAnswer("CSN|2|0E"));  // no end byte
}

TEST(Fields, DecodeDigitsLeftToRight) {
    EXPECT_EQ(decodeByte("0A", 0), 10);
    EXPECT_EQ(decodeByte("0a", 0), 0);  // lower case counts 0
    EXPECT_EQ(decodeByte(" 1", 0), 1);  // a blank counts 0 and takes its place
    EXPECT_EQ(decodeWord16("12AB", 0), 0x12AB);
    EXPECT_EQ(decodeWord32("xxFFFFFFFF", 2), 0xFFFFFFFFu);
    // Past the end of the text the missing digits count 0.
    EXPECT_EQ(decodeWord16("AB", 0), 0xAB00);
    EXPECT_EQ(decodeByte("AB", 10), 0);
}

TEST(Fields, FloatDecoding) {
    EXPECT_DOUBLE_EQ(decodeFloat("00000000", 0), 0.0);
    EXPECT_DOUBLE_EQ(decodeFloat("3F800000", 0), 1.0);
    EXPECT_DOUBLE_EQ(decodeFloat("C0000000", 0), -2.0);
    EXPECT_FLOAT_EQ(static_cast<float>(decodeFloat("41066666", 0)), 8.4f);
    // Leading blanks of the "%8X" encoding read as zeros.
    EXPECT_DOUBLE_EQ(decodeFloat(" DA24260", 0), decodeFloat("0DA24260", 0));
    // Exponent 0 is not special: the hidden bit is still added.
    EXPECT_DOUBLE_EQ(decodeFloat("00000001", 0), std::ldexp(8388609.0, -150));
    // Only the text "00000000" is zero; blanks and other characters that read
    // as zero digits give the pattern 0, which is 2^23 / 2^150 like any other.
    EXPECT_DOUBLE_EQ(decodeFloat("        ", 0), std::ldexp(1.0, -127));
    EXPECT_DOUBLE_EQ(decodeFloat("0000000a", 0), std::ldexp(1.0, -127));
    EXPECT_DOUBLE_EQ(decodeFloat("0000", 0), 0.0);  // missing positions count as "0"
}

TEST(Fields, FloatEncodingTruncates) {
    EXPECT_EQ(encodeFloat(1.0), "3F800000");
    EXPECT_EQ(encodeFloat(-2.0), "C0000000");
    EXPECT_EQ(encodeFloat(0.0), "00000000");
    EXPECT_EQ(encodeFloat(8.4), "41066666");
    EXPECT_EQ(encodeFloat(0.1), "3DCCCCCC");  // truncated, not ...CD
    EXPECT_EQ(encodeFloat(250.0), "437A0000");
    EXPECT_EQ(encodeFloat(1e-30), " DA2425F");  // leading digit 0 -> blank
    for (double v : {1.0, -2.0, 8.4, 250.0, 12345.6, 0.001, -0.5})
        EXPECT_FLOAT_EQ(static_cast<float>(decodeFloat(encodeFloat(v), 0)), static_cast<float>(v))
            << v;
}

TEST(Fields, IntegersAndText) {
    EXPECT_EQ(encodeByte(0x1FF), "FF");
    EXPECT_EQ(encodeWord16(600), "0258");
    EXPECT_EQ(encodeWord32(0xDEADBEEF), "DEADBEEF");
    EXPECT_EQ(encodeText("AB", 4), "41422020");
    EXPECT_EQ(encodeText("ABCDEF", 2), "4142");
    EXPECT_EQ(decodeText("41422020", 0, 4), "AB  ");
    std::string record(10, '0');
    putField(record, 8, "ABCD");  // only what fits
    EXPECT_EQ(record, "00000000AB");
}

TEST(Fields, DecimalSeparators) {
    std::string text = " 8.4,5";
    removeDecimalSeparator(text);
    EXPECT_EQ(text, " 84,5");
    text = "1,2,3";
    pointDecimalSeparator(text);
    EXPECT_EQ(text, "1.2.3");
    text = "123";
    removeDecimalSeparator(text);
    EXPECT_EQ(text, "123");
}
