#include "controller/record_exchange.h"

#include "controller/message_text.h"
#include "controller/record_codec.h"
#include "devlink/login.h"

namespace controller {

namespace {

std::string answerText(const devlink::AnswerBuffer& answer) {
    return std::string(answer.data(), devlink::answerLength(answer));
}

bool purgeLine(const OperationContext& context) {
    devlink::Port& port = context.link.port();
    if (!port.purgeReceive()) {
        context.ui.lineFailed(devlink::LineFailure::Port);
        context.ui.showMessage(devlink::purgeFailedText(port, context.ui.english()),
                               devlink::MessageCaption::ProgramName);
        return false;
    }
    if (!port.purgeTransmit()) {
        context.ui.lineFailed(devlink::LineFailure::Port);
        context.ui.showMessage("clear com-buffer failed", devlink::MessageCaption::ProgramName);
        return false;
    }
    return true;
}

bool readStatusArea(devlink::DeviceLink& link, const StatusAndRecord& into) {
    devlink::AnswerBuffer answer{};
    if (!link.exchange("DSI|", "DSI", true, answer)) return false;
    const std::string text = answerText(answer);
    into.statusArea = text.size() > 4 ? text.substr(4, into.statusLength) : std::string();
    return true;
}

bool readRecordAnswers(devlink::DeviceLink& link, const StatusAndRecord& into) {
    devlink::AnswerBuffer answer{};
    if (!link.exchange("DPI|", "DPI1", true, answer)) return false;
    if (!into.record.takeFirstAnswer(answerText(answer))) return true;
    if (!link.exchange("DPI|", "DPI2", true, answer)) return false;
    into.record.takeSecondAnswer(answerText(answer), into.secondAnswerCut);
    return true;
}

}  // namespace

bool fetchStatusAndRecord(const OperationContext& context, const std::function<void()>& beforeLogin,
                          const StatusAndRecord& into) {
    if (!purgeLine(context)) return false;
    beforeLogin();
    if (devlink::controllerLogin(context.link, devlink::LoginIntent::Read) == 0) return false;
    return readStatusArea(context.link, into) && readRecordAnswers(context.link, into);
}

bool refuseWithoutRecord(OperationUi& ui, const UnitRecord& record) {
    if (record.complete()) return false;
    ui.say({tr2(ui,
                "Bitte zuerst die Parameter aus dem Ger\u00E4t lesen (\"lesen\") !\n"
                "Es wurde nichts geschrieben.",
                "Please read the parameters from the unit first (\"read\") !\n"
                "Nothing was written."),
            devlink::MessageCaption::ProgramCaption, MessageIcon::Exclamation});
    return true;
}

bool refuseUnreadyWrite(OperationUi& ui, const UnitRecord& record, const RecordLayout& layout,
                        const ParameterForm& form) {
    if (refuseWithoutRecord(ui, record)) return true;
    const ParameterField* bad = firstUnreadableFloat(layout, form);
    if (!bad) return false;
    const std::string text =
        tr2(ui, "\"%1\": keine g\u00FCltige Zahl. Es wurde nichts geschrieben.",
            "\"%1\": not a valid number. Nothing was written.");
    ui.say({withArgs(text, {ui.english() ? bad->englishName : bad->germanName}),
            devlink::MessageCaption::ProgramCaption, MessageIcon::Exclamation});
    ui.showField(bad->page, bad->control);
    return true;
}

bool sendRecord(devlink::DeviceLink& link, const UnitRecord& record) {
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

}  // namespace controller
