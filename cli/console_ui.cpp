#include "cli/console_ui.h"

#include "controller/local_clock.h"
#include "devlink/wait_hook.h"

namespace cli {

ExitCode exitCodeOf(devlink::LineFailure failure) {
    switch (failure) {
        case devlink::LineFailure::Port:
            return kPortProblem;
        case devlink::LineFailure::NoAnswer:
            return kNoAnswer;
        case devlink::LineFailure::Checksum:
        case devlink::LineFailure::Overflow:
            return kDamagedAnswer;
    }
    return kFailed;
}

controller::MessageAnswer ControllerConsoleUi::say(const controller::Message& message) {
    using controller::MessageButtons;
    if (message.buttons == MessageButtons::Ok) {
        console().message(message.text);
        return controller::MessageAnswer::Ok;
    }
    // The one question whose safe answer is No: the backup before a write
    // could not be written. Not writing then is for want of a file.
    const bool safeNo = message.buttons == MessageButtons::YesNoDefaultNo;
    if (safeNo) console().fail(kFileProblem);
    return console().confirm(message.text, safeNo) ? controller::MessageAnswer::Yes
                                                   : controller::MessageAnswer::No;
}

bool MeasuringConsoleUi::ask(const std::string& text, measuring::UiIcon) {
    if (agreeToReadout_) {
        agreeToReadout_ = false;
        return true;
    }
    return console().confirm(text);
}

void MeasuringConsoleUi::beginProgress(std::uint64_t announced) {
    console().beginProgress(console().tr("Datenlogger", "data logger"), announced);
}

bool MeasuringConsoleUi::updateProgress(const measuring::ReadoutProgress& progress) {
    console().progress(progress.received, progress.secondsLeft);
    return !devlink::endRequested();
}

std::tm MeasuringConsoleUi::localTime() {
    return controller::systemLocalTime();
}

}  // namespace cli
