// What the measuring program's operations need from its window beyond the
// device link's effects: messages with icons, questions, the measured-value
// display, the rest state of the status field, the readout's progress, the
// clock and the desktop's file manager. The window implements it; tests and
// the benchmark can put their own behind it.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include "devlink/link_window.h"

namespace measuring {

enum class UiIcon { None, Information, Exclamation, Stop, Question };

struct ReadoutProgress {
    std::uint64_t received = 0;   // whole records so far
    std::uint64_t announced = 0;  // N from the byte count
    double secondsLeft = -1.0;    // from the rate so far; -1 before the first block
};

class MeasuringUi : public devlink::LinkWindow {
  public:
    // A message with an OK button. caption: "Vantiqo" or the program's name.
    virtual void tell(const std::string& text, devlink::MessageCaption caption, UiIcon icon) = 0;
    // A question with Yes and No, captioned "Vantiqo"; true for Yes.
    virtual bool ask(const std::string& text, UiIcon icon) = 0;

    virtual void showMeasuredText(const std::string& text) = 0;
    // "ONLINE" while a modem line is up, else "BEREIT".
    virtual void showRestState() = 0;
    virtual void repaintWindow() = 0;

    // The block transfer of a readout. updateProgress returns false once
    // the operator asked to stop.
    virtual void beginProgress(std::uint64_t announced) = 0;
    virtual bool updateProgress(const ReadoutProgress& progress) = 0;
    virtual void endProgress() = 0;

    virtual std::tm localTime() = 0;
    // Starts the desktop's file manager on a folder; false when it cannot
    // be started.
    virtual bool showFolder(const std::string& folder) = 0;
};

}  // namespace measuring
