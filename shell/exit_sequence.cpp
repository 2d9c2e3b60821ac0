#include "shell/exit_sequence.h"

#include <QCloseEvent>
#include <QLineEdit>

#include "controller/message_text.h"
#include "shell/controls.h"
#include "shell/field_checks.h"
#include "shell/main_window_base.h"

namespace shell {

void ExitSequence::requested() {
    window_.session().suppressComCheck = true;
    run();
}

void ExitSequence::closeRequested(QCloseEvent* event) {
    if (exiting_) {
        event->accept();
        return;
    }
    event->ignore();
    requested();
}

void ExitSequence::run() {
    if (window_.session().connected && !confirmedWhileConnected()) return;
    storePortDigit();
    window_.port().closePort();
    window_.stopPageTimers();
    window_.intervalTimer().stop();
    window_.pageHost().destroyPages();
    exiting_ = true;
    window_.done(0);
}

bool ExitSequence::confirmedWhileConnected() {
    const std::string text =
        controller::tr2(window_,
                        "Vor dem Beenden des Programms bitte erst die Verbindung trennen !\n"
                        "Programm beenden ?",
                        "Before you cancel the program, please disconnect the connection !\n"
                        "Exit program ?");
    return window_.say({QString::fromStdString(text), window_.texts().caption, MessageIcon::Stop,
                        MessageButtons::YesNo}) == MessageAnswer::Yes;
}

// Only a digit the file can take back at the next start is offered for
// storing: "COM0" would make the file unreadable.
void ExitSequence::storePortDigit() {
    const QString digit = controlAs<QLineEdit>(&window_, window_.controls().comDigit)->text();
    const bool valid = checkComDigit(digit).ok() && !digit.isEmpty();
    if (ConfigFile* config = window_.loadedConfigFile())
        config->StorePortDigit(valid ? digit[0].toLatin1() : '\0');
}

}  // namespace shell
