// Dial-up and hang-up of a Hayes modem on the serial port. The program
// sends no initialisation string: the modem must answer with verbal result
// codes ending in CR LF and without echo.
#pragma once

#include <array>
#include <string>

#include "devlink/link_window.h"
#include "devlink/port.h"

namespace devlink {

enum class ConnectResult { Failed = 0, NoCarrier = 1, Connected = 2, Overflow = 3 };
enum class OkResult { Failed = 0, Done = 2, Overflow = 3 };

// Every wait reads at most 30 characters.
inline constexpr std::size_t kModemReplyChars = 30;
using ModemReply = std::array<char, kModemReplyChars + 1>;

class ModemLink {
  public:
    ModemLink(Port& port, LinkWindow& window) : port_(port), window_(window) {}

    // The connect button: "ATD" + dial number + CR, then wait for CONNECT.
    void dialUp();
    // The disconnect button: guard time, "+++", OK, guard time, "ATH", OK.
    void hangUp();

    // Waits up to 81 s per character for "CONNECT" CR LF or "NO CARRIER" CR LF.
    ConnectResult waitConnect(ModemReply& reply);
    // Waits up to 6 s per character for "OK" CR LF (or "NO C").
    OkResult waitOk(ModemReply& reply);

  private:
    bool writePaced(const std::string& bytes, std::size_t longPauseAfter);
    bool restoreNormalTimeouts();
    void modemTransmissionError(const char* expected);
    void enable(ModemControl control, bool on) { window_.enableModemControl(control, on); }

    Port& port_;
    LinkWindow& window_;
};

}  // namespace devlink
