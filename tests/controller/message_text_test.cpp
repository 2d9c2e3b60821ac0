// Numbered places of a message are filled in one pass: a value that holds
// a place of its own (a folder named "50%2") is shown as it is.
#include <gtest/gtest.h>

#include "controller/message_text.h"

TEST(MessageText, PlacesAreFilledInOnePass) {
    const struct {
        const char* text;
        std::initializer_list<std::string_view> values;
        const char* shown;
    } cases[] = {
        {"%1:\n%2", {"/home/x/50%2", "full"}, "/home/x/50%2:\nfull"},
        {"only %2 of %1, only these %2", {"9", "4"}, "only 4 of 9, only these 4"},
        {"%1 and %3", {"a"}, "a and %3"},  // a place without a value stays
        {"100% sure, %", {"x"}, "100% sure, %"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(controller::withArgs(c.text, c.values), c.shown) << c.text;
}
