#include "controller/history_reader.h"

#include <limits.h>
#include <unistd.h>

#include <cerrno>

#include "controller/message_text.h"
#include "devlink/login.h"

namespace controller {

namespace {

std::string answerText(const devlink::AnswerBuffer& answer) {
    return std::string(answer.data(), devlink::answerLength(answer));
}

}  // namespace

HistoryReader::HistoryReader(OperationContext context) : context_(context) {}

// The serial number becomes part of a folder and a file name, so it must be
// six digits and nothing else; the unit is not asked otherwise.
bool HistoryReader::takeSerialNumber(std::string& serial) {
    OperationUi& ui = context_.ui;
    serial = ui.serialNumberText();
    if (devlink::isSixDigitSerial(serial)) return true;
    ui.say({tr2(ui, "Bitte 6 Ziffern f\u00FCr die Seriennummer eingeben",
                "Please insert 6 numbers for the serialnumber")});
    ui.focusSerialNumber();
    return false;
}

std::optional<std::string> HistoryReader::readStatusHistory(const CodeTable& codes, bool longForm) {
    std::string serial;
    if (!takeSerialNumber(serial)) return std::nullopt;
    if (devlink::controllerLogin(context_.link, devlink::LoginIntent::QuietRead) == 0)
        return std::nullopt;
    std::string data;
    if (!readStatusData(data)) return std::nullopt;
    const HistoryRecords history =
        historyRecords(data, kStatusHistoryLayout, longForm ? 0 : kShortFormStatusRecords);
    if (refuseUncounted(history, "DHI")) return std::nullopt;
    std::string folder;
    if (!currentFolder(folder)) return std::nullopt;
    auto written = writeList(folder, kStatusList, serial, history.entries, codes);
    if (written) sayIfCut(history, "DHI");
    return written;
}

// One answer, or two when the first starts with a blank; the record data
// of both are joined.
bool HistoryReader::readStatusData(std::string& data) {
    devlink::AnswerBuffer answer{};
    if (!context_.link.exchange("DHI|", "DHI", true, answer)) return false;
    data = statusHistoryData(answerText(answer));
    if (answer[0] != ' ') return true;
    if (!context_.link.exchange("DHI|", "DHI2", true, answer)) return false;
    data += statusHistoryData(answerText(answer));
    return true;
}

bool HistoryReader::currentFolder(std::string& folder) {
    char path[PATH_MAX];
    if (getcwd(path, sizeof path) == nullptr) {
        context_.ui.say({"System Error Code" + std::to_string(errno),
                         devlink::MessageCaption::ProgramName, MessageIcon::Exclamation});
        return false;
    }
    folder = path;
    return true;
}

std::optional<std::string> HistoryReader::readErrorHistory(const CodeTable& codes) {
    std::string serial;
    if (!takeSerialNumber(serial)) return std::nullopt;
    if (devlink::controllerLogin(context_.link, devlink::LoginIntent::QuietRead) == 0)
        return std::nullopt;
    devlink::AnswerBuffer answer{};
    if (!context_.link.exchange("DEI|", "DEI", true, answer)) return std::nullopt;
    const HistoryRecords history =
        historyRecords(errorHistoryData(answerText(answer)), kErrorHistoryLayout);
    if (refuseUncounted(history, "DEI")) return std::nullopt;
    auto written =
        writeList(context_.ui.startDirectory(), kErrorList, serial, history.entries, codes);
    if (written) sayIfCut(history, "DEI");
    return written;
}

// An answer without even the count is no history: a list would claim an
// empty log.
bool HistoryReader::refuseUncounted(const HistoryRecords& history, const char* label) {
    if (history.counted) return false;
    OperationUi& ui = context_.ui;
    ui.showLinkState();
    ui.say({label + tr2(ui,
                        ": Die Antwort des Ger\u00E4ts enth\u00E4lt keine Historie.\n"
                        "Es wurde keine Liste angelegt.",
                        ": The unit's answer holds no history.\nNo list was written."),
            devlink::MessageCaption::ProgramCaption, MessageIcon::Exclamation});
    return true;
}

// The list holds only what the unit sent; the operator learns that its
// count promised more.
void HistoryReader::sayIfCut(const HistoryRecords& history, const char* label) {
    if (!history.cut) return;
    OperationUi& ui = context_.ui;
    const std::string text = tr2(ui,
                                 ": Das Ger\u00E4t hat %1 Eintr\u00E4ge angek\u00FCndigt, aber nur "
                                 "%2 gesendet.\nDie Liste enth\u00E4lt nur diese %2.",
                                 ": The unit announced %1 records but sent only %2.\n"
                                 "The list holds only these %2.");
    ui.say({label + withArgs(text, {std::to_string(history.announced),
                                    std::to_string(history.entries.size())}),
            devlink::MessageCaption::ProgramCaption, MessageIcon::Exclamation});
}

std::optional<std::string> HistoryReader::writeList(const std::string& baseFolder,
                                                    const ListFileKind& kind,
                                                    const std::string& serial,
                                                    const std::vector<HistoryEntry>& entries,
                                                    const CodeTable& codes) {
    OperationUi& ui = context_.ui;
    const std::string bytes = listFileBytes(listText(kind, entries, codes, ui.english()));
    const ListFileOutcome outcome = writeListFile(baseFolder, kind, serial, clock(), bytes);
    switch (outcome.result) {
        case ListFileOutcome::Written:
            ui.showLinkState();
            return outcome.path;
        case ListFileOutcome::FolderFailed:
            ui.showLinkState();
            ui.say({"System Error Code: " + std::to_string(outcome.error),
                    devlink::MessageCaption::ProgramName, MessageIcon::Exclamation});
            return std::nullopt;
        case ListFileOutcome::CreateFailed:
            ui.say({"cannot create " + outcome.path, devlink::MessageCaption::ProgramName});
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace controller
