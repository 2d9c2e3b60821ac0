#include "controller/unit_commands.h"

#include "controller/message_text.h"
#include "devlink/delay.h"
#include "devlink/login.h"

namespace controller {

namespace {

// A restarting unit cannot take a login; the answer it may still send is
// never read, the next login empties the receive buffer.
constexpr unsigned kRestartMs = 4000;

}  // namespace

std::string clockRequest(const std::tm& moment) {
    return "STS|" + dateDigits(moment) + timeDigits(moment) + "|";
}

UnitCommands::UnitCommands(OperationContext context, ResetTexts texts,
                           std::function<bool()> readAllAfterCommand)
    : wait(devlink::Delay),
      context_(context),
      texts_(texts),
      readAll_(std::move(readAllAfterCommand)) {}

bool UnitCommands::exchange(const std::string& request, std::string_view word) {
    devlink::AnswerBuffer answer{};
    return context_.link.exchange(request, word, true, answer);
}

bool UnitCommands::send(std::string_view word, AfterCommand after) {
    if (devlink::controllerLogin(context_.link, devlink::LoginIntent::Write) == 0) return false;
    if (!exchange(std::string(word) + "|", word)) return false;
    return after != AfterCommand::ReadAll || readAll_();
}

bool UnitCommands::setClock() {
    if (devlink::controllerLogin(context_.link, devlink::LoginIntent::Write) == 0) return false;
    if (!exchange(clockRequest(clock()), "STS")) return false;
    return readAll_();
}

bool UnitCommands::reset() {
    OperationUi& ui = context_.ui;
    const MessageAnswer answer = ui.say(
        {tr2(ui, "Steuerung wirklich zur\u00FCcksetzen ?", "Are you shure to RESET the unit ?"),
         devlink::MessageCaption::ProgramCaption, MessageIcon::Stop, MessageButtons::YesNo, true});
    if (answer != MessageAnswer::Yes) {
        ui.showLinkState();
        return false;
    }
    if (devlink::controllerLogin(context_.link, devlink::LoginIntent::Write) == 0) return false;
    if (!context_.link.writeRequest(devlink::frameRequest("RST|"), true)) return false;
    wait(kRestartMs);
    if (!readAll_()) return false;
    ui.say({tr2(ui, texts_.doneGerman, texts_.doneEnglish)});
    return true;
}

}  // namespace controller
