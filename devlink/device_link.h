// The request/answer exchange with a unit: writing a framed request byte by
// byte, reading the answer up to the end byte, and the checks and messages
// every command shares.
#pragma once

#include <string>
#include <string_view>

#include "devlink/link_window.h"
#include "devlink/port.h"
#include "devlink/telegram.h"

namespace devlink {

enum class ReadResult { Failed = 0, Complete = 2, Overflow = 3 };

// "clear com-buffer failed:" + line break + port name + " nicht vorhanden oder
// bereits verwendet !" (in both languages), and below it the cause the port
// knows, in the interface language.
std::string purgeFailedText(const Port& port, bool english);

// The line below a transmission error or a failed write when the port knows
// why its line went away (a network server that closed the connection),
// with its line break; empty otherwise.
std::string lostCause(const Port& port, bool english);

// What differs between the controller programs and the measuring program.
struct LinkProfile {
    // The word for the unit in the checksum messages.
    std::string deviceWord = "Aquendor\u00AE";
    // The measuring program's reader has no interval timer and leaves the
    // status field alone.
    bool measuring = false;
};

class DeviceLink {
  public:
    DeviceLink(Port& port, LinkWindow& window, LinkProfile profile = {});

    Port& port() { return port_; }
    LinkWindow& window() { return window_; }
    const LinkProfile& profile() const { return profile_; }

    // Writes the framed bytes one write per byte, pausing at least 1 ms after
    // each when pause is set. Shows "write to comport failed" on failure.
    bool writeRequest(std::string_view framed, bool pause);

    // Reads up to the end byte, at most 700 characters, into answer and
    // terminates it with a zero. Shows the transmission error itself.
    ReadResult readAnswer(AnswerBuffer& answer, bool showBusy);

    // Frames and writes the request, reads the answer and checks it: the
    // standard exchange behind a successful login. The messages use label
    // ("DSI", "DPI1", "DPS " ...) and the echo test uses the request's
    // command word. Returns true when the answer is valid.
    bool exchange(std::string_view request, std::string_view label, bool pause,
                  AnswerBuffer& answer);

    // The checks of an answer already read: checksum, then echo.
    bool checkAnswer(const AnswerBuffer& answer, std::string_view commandWord,
                     std::string_view label);

    // The two checksum messages; both refresh the status field first in the
    // controller programs.
    void reportUnitToPcError(std::string_view label);
    void reportPcToUnitError(std::string_view label);
    void reportOverflow();
    void refreshLinkState();

  private:
    Port& port_;
    LinkWindow& window_;
    LinkProfile profile_;
};

}  // namespace devlink
