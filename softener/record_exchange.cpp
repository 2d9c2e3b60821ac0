#include "softener/record_exchange.h"

#include <QAbstractButton>
#include <QLineEdit>

#include "controller/record_codec.h"
#include "devlink/login.h"
#include "shell/controls.h"
#include "shell/main_window_base.h"

namespace softener {

namespace {

std::string answerText(const devlink::AnswerBuffer& answer) {
    return std::string(answer.data(), devlink::answerLength(answer));
}

bool purgeLine(shell::MainWindowBase& window) {
    devlink::SerialPort& port = window.port();
    if (!port.purgeReceive()) {
        window.showMessage(devlink::purgeFailedText(port, window.english()),
                           devlink::MessageCaption::ProgramName);
        return false;
    }
    if (!port.purgeTransmit()) {
        window.showMessage("clear com-buffer failed", devlink::MessageCaption::ProgramName);
        return false;
    }
    return true;
}

bool readStatusArea(shell::MainWindowBase& window, const StatusAndRecord& into) {
    devlink::AnswerBuffer answer{};
    if (!window.link().exchange("DSI|", "DSI", true, answer)) return false;
    const std::string text = answerText(answer);
    into.statusArea = text.size() > 4 ? text.substr(4, into.statusLength) : std::string();
    return true;
}

bool readRecordAnswers(shell::MainWindowBase& window, const StatusAndRecord& into) {
    devlink::AnswerBuffer answer{};
    if (!window.link().exchange("DPI|", "DPI1", true, answer)) return false;
    if (!into.record.takeFirstAnswer(answerText(answer))) return true;
    if (!window.link().exchange("DPI|", "DPI2", true, answer)) return false;
    into.record.takeSecondAnswer(answerText(answer), into.secondAnswerCut);
    return true;
}

// The page with the field comes to the front, the field's text selected.
void showField(shell::MainWindowBase& window, const controller::ParameterField& field) {
    const int selector = window.controls().pageSelectors.at(static_cast<std::size_t>(field.page));
    if (auto* button = shell::controlAs<QAbstractButton>(&window, selector)) button->click();
    if (QWidget* widget = shell::control(window.pageHost().page(field.page), field.control)) {
        widget->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
    }
}

}  // namespace

bool fetchStatusAndRecord(shell::MainWindowBase& window, const std::function<void()>& beforeLogin,
                          const StatusAndRecord& into) {
    if (!purgeLine(window)) return false;
    beforeLogin();
    if (devlink::controllerLogin(window.link(), devlink::LoginIntent::Read) == 0) return false;
    return readStatusArea(window, into) && readRecordAnswers(window, into);
}

bool refuseWithoutRecord(shell::MainWindowBase& window, const controller::UnitRecord& record) {
    if (record.complete()) return false;
    window.say(window.tr2("Bitte zuerst die Parameter aus dem Ger\u00E4t lesen (\"lesen\") !\n"
                          "Es wurde nichts geschrieben.",
                          "Please read the parameters from the unit first (\"read\") !\n"
                          "Nothing was written."),
               window.texts().caption, shell::MessageIcon::Exclamation);
    return true;
}

bool refuseUnreadyWrite(shell::MainWindowBase& window, const controller::UnitRecord& record,
                        const controller::RecordLayout& layout,
                        const controller::ParameterForm& form) {
    if (refuseWithoutRecord(window, record)) return true;
    const controller::ParameterField* bad = firstUnreadableFloat(layout, form);
    if (!bad) return false;
    window.say(window
                   .tr2("\"%1\": keine g\u00FCltige Zahl. Es wurde nichts geschrieben.",
                        "\"%1\": not a valid number. Nothing was written.")
                   .arg(QString::fromUtf8(window.english() ? bad->englishName : bad->germanName)),
               window.texts().caption, shell::MessageIcon::Exclamation);
    showField(window, *bad);
    return true;
}

bool sendRecord(shell::MainWindowBase& window, const controller::UnitRecord& record) {
    devlink::DeviceLink& link = window.link();
    const std::string request = "DPS|" + record.writeBody() + "|";
    if (!link.writeRequest(devlink::frameRequest(request), false)) return false;
    devlink::AnswerBuffer answer{};
    switch (link.readAnswer(answer, false)) {
        case devlink::ReadResult::Failed:
            return false;
        case devlink::ReadResult::Overflow:
            link.reportOverflow();
            return false;
        case devlink::ReadResult::Complete:
            break;
    }
    if (!devlink::verifyAnswer(answer.data())) {
        link.reportUnitToPcError("DPS ");
        return false;
    }
    answer[devlink::answerLength(answer) - 1] = '\0';
    if (std::string_view(answer.data()) != "DPS|CF|68") {
        link.reportPcToUnitError("DPS ");
        return false;
    }
    return true;
}

}  // namespace softener
