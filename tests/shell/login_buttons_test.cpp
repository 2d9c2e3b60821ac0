// The buttons a controller window switches after each answer to a login,
// with and without interval reading. The window tests see them on the real
// controls; this is the whole table.
#include <gtest/gtest.h>

#include "shell/login_buttons.h"

using devlink::LoginAnswer;
using shell::ButtonSet;

TEST(LoginButtons, EveryAnswerWithAndWithoutIntervalReading) {
    using Changes = std::vector<shell::ButtonChange>;
    const Changes readOnly = {{ButtonSet::WriteButtons, false},
                              {ButtonSet::HistoryReadButtons, true},
                              {ButtonSet::IntervalCheckbox, true}};
    const Changes noAccess = {{ButtonSet::WriteButtons, false},
                              {ButtonSet::HistoryReadButtons, false},
                              {ButtonSet::IntervalCheckbox, false}};
    const struct {
        LoginAnswer answer;
        bool interval;
        Changes changes;
    } cases[] = {
        {LoginAnswer::ReadWrite, false, {{ButtonSet::FullAccess, true}}},
        // While interval reading runs, what a login would unlock stays off.
        {LoginAnswer::ReadWrite, true, {}},
        {LoginAnswer::ReadOnly, false, readOnly},
        {LoginAnswer::ReadOnly, true, {{ButtonSet::WriteButtons, false}}},
        {LoginAnswer::NoAccess, false, noAccess},
        {LoginAnswer::NoAccess, true, noAccess},
        {LoginAnswer::WrongSerial, false, {{ButtonSet::HistoryReadButtons, false}}},
        {LoginAnswer::WrongSerial, true, {{ButtonSet::HistoryReadButtons, false}}},
        {LoginAnswer::Other, false, {{ButtonSet::WriteButtons, false}}},
        {LoginAnswer::Other, true, {{ButtonSet::WriteButtons, false}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shell::buttonsAfterLogin(c.answer, c.interval), c.changes)
            << static_cast<int>(c.answer) << " interval " << c.interval;
}
