#include "shell/login_buttons.h"

namespace shell {

std::vector<ButtonChange> buttonsAfterLogin(devlink::LoginAnswer answer, bool intervalReading) {
    using devlink::LoginAnswer;
    switch (answer) {
        case LoginAnswer::WrongSerial:
            return {{ButtonSet::HistoryReadButtons, false}};
        case LoginAnswer::ReadWrite:
            if (intervalReading) return {};
            return {{ButtonSet::FullAccess, true}};
        case LoginAnswer::NoAccess:
            return {{ButtonSet::WriteButtons, false},
                    {ButtonSet::HistoryReadButtons, false},
                    {ButtonSet::IntervalCheckbox, false}};
        case LoginAnswer::ReadOnly:
            if (intervalReading) return {{ButtonSet::WriteButtons, false}};
            return {{ButtonSet::WriteButtons, false},
                    {ButtonSet::HistoryReadButtons, true},
                    {ButtonSet::IntervalCheckbox, true}};
        case LoginAnswer::Other:
            break;
    }
    return {{ButtonSet::WriteButtons, false}};
}

}  // namespace shell
