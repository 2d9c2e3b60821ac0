// The Windows code page at the file and unit boundary: every byte comes
// back as it went, the euro sign and the typographic quotes are where
// Windows has them, and what the code page lacks becomes "?".
#include <gtest/gtest.h>

#include "files/cp1252.h"

TEST(CodePage, EveryByteComesBackUnchanged) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(files::utf8ToCp1252(files::cp1252ToUtf8(one)), one) << byte;
    }
}

TEST(CodePage, KnownCharacters) {
    EXPECT_EQ(files::cp1252ToUtf8("\x80 \x84\x93\xE4\xFF"), "\u20AC \u201E\u201C\u00E4\u00FF");
    // The unassigned bytes stand for the control characters of their number.
    EXPECT_EQ(files::cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(files::utf8ToCp1252("Br\u00FCcke \u20AC \U0001F600 \u03A9"),
              "Br\xFC"
              "cke \x80 ? ?");
}

// Text that is no UTF-8 (a broken paste, a file read as the wrong code)
// never loses its length silently: each stray byte becomes "?", and a
// byte-order mark that opens the text is no character of it.
TEST(CodePage, BrokenUtf8AndByteOrderMark) {
    const struct {
        const char* utf8;
        const char* bytes;
    } cases[] = {
        {"a\xC3", "a?"},               // a sequence cut short at the end
        {"\xC3(b", "?(b"},             // a lead byte without its follower
        {"\xC0\xAF", "??"},            // an overlong form of "/"
        {"\xED\xA0\x80", "???"},       // a surrogate
        {"\xEF\xBB\xBFname", "name"},  // a byte-order mark in front
        {"n\xEF\xBB\xBF", "n?"},       // elsewhere it is a character the code page lacks
    };
    for (const auto& c : cases) EXPECT_EQ(files::utf8ToCp1252(c.utf8), c.bytes) << c.utf8;
    EXPECT_EQ(files::firstOutsideCp1252("\xEF\xBB\xBFok"), std::nullopt);
    EXPECT_EQ(files::firstOutsideCp1252("x\xC3"), U'\uFFFD');
}
