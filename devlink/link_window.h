// The few effects that the device link has on the program's window. The
// device link never knows a widget; the main windows implement this.
#pragma once

#include <string>

namespace devlink {

// Message boxes of the device link are titled either with the program
// caption ("Aquendor® KSV2") or with the program's plain name.
enum class MessageCaption { ProgramCaption, ProgramName };

// What a controller unit answered to a login. The login reports it to the
// window, which decides from it which of its buttons to enable.
enum class LoginAnswer {
    WrongSerial,  // "CSN|CF|65"
    NoAccess,     // "CSN|0|0C"
    ReadOnly,     // "CSN|1|0D"
    ReadWrite,    // "CSN|2|0E"
    Other,        // any other whole answer, taken as reading and writing
};

// What kind of failure of the line or the unit ended an exchange, for a
// program that sorts its failures (the command-line tool's exit codes).
enum class LineFailure {
    Port,      // the port could not be used: a purge or a write failed
    NoAnswer,  // no answer, or not in time: silence, a lost line, a modem that did not connect
    Checksum,  // an answer with a wrong checksum, or the unit's checksum echo
    Overflow,  // an answer longer than any answer may be
};

// Controls that dialling and hanging up switch.
enum class ModemControl {
    ConnectButton,
    DisconnectButton,
    ReadButton,
    WriteButton,
    HistoryReadButtons,
    IntervalCheckbox,
    LinkTypeRadios,  // modem / null modem
};

class LinkWindow {
  public:
    virtual ~LinkWindow() = default;

    virtual bool english() const = 0;
    virtual void showMessage(const std::string& text, MessageCaption caption) = 0;

    // Writes a word into the connection status field and repaints at once.
    virtual void setStatusText(const std::string& word) = 0;
    // "ONLINE" while a modem link is up, else "OFFLINE".
    virtual void showLinkState() = 0;

    virtual bool intervalReadingTicked() const = 0;
    virtual void stopIntervalTimer() = 0;
    virtual void startIntervalTimer() = 0;  // timer 2, 15000 ms

    // The serial-number field, at most six characters.
    virtual std::string serialNumberText() const = 0;
    virtual void focusSerialNumber() = 0;

    // A controller login had a whole answer: before anything else the
    // login does about it (a message, the status word).
    virtual void loginAnswered(LoginAnswer /*answer*/) {}

    // An exchange failed: called before its message is shown.
    virtual void lineFailed(LineFailure /*failure*/) {}
    // The unit refused a login, or granted less than the operation needs
    // (reading only for a write): called before its message is shown.
    virtual void loginRefused() {}

    // Measuring program only: the variant name for the title and label.
    virtual void showVariant(const std::string& /*name*/) {}

    // The modem connection: the dial-number field, the connected flag and
    // the controls that dialling and hanging up switch.
    virtual std::string dialNumberText() const { return {}; }
    virtual void focusDialNumber() {}
    virtual void setConnected(bool /*connected*/) {}
    virtual bool connected() const { return false; }
    virtual void enableModemControl(ModemControl /*control*/, bool /*enable*/) {}
};

// Picks the German or the English text after the window's language.
inline const std::string& pick(const LinkWindow& window, const std::string& german,
                               const std::string& english) {
    return window.english() ? english : german;
}

}  // namespace devlink
