// The Windows code page at the file and unit boundary: every byte comes
// back as it went, the euro sign and the typographic quotes are where
// Windows has them, and what the code page lacks becomes "?".
#include <gtest/gtest.h>

#include "shell/cp1252.h"

TEST(CodePage, EveryByteComesBackUnchanged) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(shell::utf8ToCp1252(shell::cp1252ToUtf8(one)), one) << byte;
    }
}

TEST(CodePage, KnownCharacters) {
    EXPECT_EQ(shell::cp1252ToUtf8("\x80 \x84\x93\xE4\xFF"), "\u20AC \u201E\u201C\u00E4\u00FF");
    // The unassigned bytes stand for the control characters of their number.
    EXPECT_EQ(shell::cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(shell::utf8ToCp1252("Br\u00FCcke \u20AC \U0001F600 \u03A9"),
              "Br\xFC"
              "cke \x80 ? ?");
}
