// The Hayes modem between the line and the unit. In command mode it reads
// command lines ending in CR and answers with verbal result codes ending in
// CR LF; online it passes the bytes on to the unit until the escape "+++"
// (see EscapeDetector) takes it back to command mode.
//
// It does no input or output of its own: the simulator feeds it the bytes
// with their arrival times, lets it see the clock for the dial delay and the
// escape's guard time, and takes what it has to log, send and pass on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/unitsim/at_command.h"
#include "tools/unitsim/escape_detector.h"
#include "tools/unitsim/simulator.h"
#include "tools/unitsim/telegram_assembler.h"

namespace unitsim {

struct ModemOutput {
    std::vector<IncomingTelegram> commands;  // command lines and escapes, for the log
    std::string reply;                       // for the line
    IncomingTelegram data;                   // for the unit
    bool connected = false;                  // a new connection began before the data
};

class HayesModem {
  public:
    explicit HayesModem(const Config& config);

    void receive(char byte, std::int64_t arrivalUs);
    // A dial result or an escape that is due by nowUs.
    void tick(std::int64_t nowUs);
    // When tick has something to do next, if nothing is received before.
    std::optional<std::int64_t> deadlineUs() const;
    ModemOutput take();

    void setDialOutcome(ModemOutcome outcome) { outcome_ = outcome; }
    void setEscapeResponse(EscapeResponse response) { escapeResponse_ = response; }
    void dropCarrier();
    ModemState state() const { return state_; }
    const std::string& dialledNumber() const { return number_; }

  private:
    void receiveCommandByte(char byte, std::int64_t arrivalUs);
    void execute(IncomingTelegram line);
    void executeParsed(const AtCommand& command, std::int64_t atUs);
    void dial(const std::string& number, std::int64_t fromUs);
    void finishDial();
    void abortDial();
    void escape(IncomingTelegram pluses);
    void goOnline(std::int64_t nowUs);
    void goIdle();
    void reply(std::string_view text) { out_.reply += text; }

    bool echo_;
    std::int64_t dialDelayUs_;
    ModemOutcome outcome_;
    EscapeResponse escapeResponse_ = EscapeResponse::Ok;

    ModemState state_ = ModemState::Idle;
    std::string number_;
    std::int64_t dialDoneUs_ = 0;
    IncomingTelegram line_;  // the command line so far
    EscapeDetector escape_;
    ModemOutput out_;
};

}  // namespace unitsim
