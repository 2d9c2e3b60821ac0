// The session of a controller window: how the unit is reached, whether a
// modem link is up, and the folder the program was started in.
#pragma once

#include <QString>

namespace shell {

enum class LinkMode { NullModem = 0, Modem = 1 };

struct Session {
    bool connected = false;
    LinkMode linkMode = LinkMode::Modem;
    QString startDirectory;
    // Set when the COM field loses the focus to a message or to the exit:
    // that one focus change opens no port.
    bool suppressComCheck = false;
};

}  // namespace shell
