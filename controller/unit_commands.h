// Unit commands: one fixed telegram that makes the unit do something at
// once (acknowledge the error, start or stop a regeneration, change the
// filters, set the clock, reset). Each logs in for writing, sends its
// telegram with a pause after every byte and checks the answer; which
// commands read the unit again afterwards is the caller's choice. Both
// controller programs use it with their own buttons and texts.
#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <string_view>

#include "controller/local_clock.h"
#include "controller/operation_context.h"

namespace controller {

// What follows a command the unit has taken.
enum class AfterCommand { Nothing, ReadAll };

// The program's own texts of the reset.
struct ResetTexts {
    const char* doneGerman;   // "KSV2 zurückgesetzt, wenn ..."
    const char* doneEnglish;  // "KSV2 reset is o.k. if ..."
};

// "STS|" and the local date and time as DDMMYYhhmm, closed by "|".
std::string clockRequest(const std::tm& moment);

class UnitCommands {
  public:
    // readAllAfterCommand: the program's read of status and parameters that
    // reports failure instead of ending interval reading.
    UnitCommands(OperationContext context, ResetTexts texts,
                 std::function<bool()> readAllAfterCommand);

    // Each returns true when the unit took the command (and, where it
    // follows, the read after it succeeded); a failure has been shown.
    // A command without fields: "SEQ", "SRS", "SRF", "SFA".
    bool send(std::string_view word, AfterCommand after);
    // "STS" with the PC's date and time, then the unit is read again.
    bool setClock();
    // Asks first; sends "RST", waits for the unit to start again, reads it
    // and only then says that the reset went through. False too when the
    // operator said No.
    bool reset();

    // The PC's clock, read once per command; tests fix it.
    LocalClock clock = systemLocalTime;
    // The wait for the unit to restart; tests may shorten it.
    std::function<void(unsigned ms)> wait;

  private:
    bool exchange(const std::string& request, std::string_view word);

    OperationContext context_;
    ResetTexts texts_;
    std::function<bool()> readAll_;
};

}  // namespace controller
