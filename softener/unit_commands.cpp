#include "softener/unit_commands.h"

#include "devlink/delay.h"
#include "devlink/login.h"
#include "shell/main_window_base.h"

namespace softener {

namespace {

// A restarting unit cannot take a login; the answer it may still send is
// never read, the next login empties the receive buffer.
constexpr unsigned kRestartMs = 4000;

}  // namespace

std::string clockRequest(const std::tm& moment) {
    return "STS|" + controller::dateDigits(moment) + controller::timeDigits(moment) + "|";
}

UnitCommands::UnitCommands(shell::MainWindowBase& window, ResetTexts texts,
                           std::function<bool()> readAllAfterCommand)
    : wait(devlink::Delay),
      window_(window),
      texts_(texts),
      readAll_(std::move(readAllAfterCommand)) {}

bool UnitCommands::exchange(const std::string& request, std::string_view word) {
    devlink::AnswerBuffer answer{};
    return window_.link().exchange(request, word, true, answer);
}

void UnitCommands::send(std::string_view word, AfterCommand after) {
    if (devlink::controllerLogin(window_.link(), devlink::LoginIntent::Write) == 0) return;
    if (!exchange(std::string(word) + "|", word)) return;
    if (after == AfterCommand::ReadAll) readAll_();
}

void UnitCommands::setClock() {
    if (devlink::controllerLogin(window_.link(), devlink::LoginIntent::Write) == 0) return;
    if (!exchange(clockRequest(clock()), "STS")) return;
    readAll_();
}

void UnitCommands::reset() {
    const shell::MessageAnswer answer = window_.say(
        window_.tr2("Steuerung wirklich zur\u00FCcksetzen ?", "Are you shure to RESET the unit ?"),
        window_.texts().caption, shell::MessageIcon::Stop, shell::MessageButtons::YesNo, true);
    if (answer != shell::MessageAnswer::Yes) {
        window_.ShowLinkState();
        return;
    }
    if (devlink::controllerLogin(window_.link(), devlink::LoginIntent::Write) == 0) return;
    if (!window_.link().writeRequest(devlink::frameRequest("RST|"), true)) return;
    wait(kRestartMs);
    if (!readAll_()) return;
    window_.say(window_.tr2(texts_.doneGerman, texts_.doneEnglish), window_.texts().caption);
}

}  // namespace softener
