#include "softener/history_reader.h"

#include <limits.h>
#include <unistd.h>

#include <cerrno>

#include "devlink/login.h"
#include "shell/main_window_base.h"

namespace softener {

namespace {

std::string answerText(const devlink::AnswerBuffer& answer) {
    return std::string(answer.data(), devlink::answerLength(answer));
}

}  // namespace

HistoryReader::HistoryReader(shell::MainWindowBase& window) : window_(window) {}

// The serial number becomes part of a folder and a file name, so it must be
// six digits and nothing else; the unit is not asked otherwise.
bool HistoryReader::takeSerialNumber(std::string& serial) {
    serial = window_.serialNumberText();
    if (controller::isSixDigitSerial(serial)) return true;
    window_.say(window_.tr2("Bitte 6 Ziffern f\u00FCr die Seriennummer eingeben",
                            "Please insert 6 numbers for the serialnumber"),
                window_.texts().caption);
    window_.focusSerialNumber();
    return false;
}

void HistoryReader::readStatusHistory(const controller::CodeTable& codes, bool longForm) {
    std::string serial;
    if (!takeSerialNumber(serial)) return;
    if (devlink::controllerLogin(window_.link(), devlink::LoginIntent::QuietRead) == 0) return;
    std::string data;
    if (!readStatusData(data)) return;
    const controller::HistoryRecords history = controller::historyRecords(
        data, controller::kStatusHistoryLayout, longForm ? 0 : controller::kShortFormStatusRecords);
    if (refuseUncounted(history, "DHI")) return;
    std::string folder;
    if (!currentFolder(folder)) return;
    if (writeList(folder, controller::kStatusList, serial, history.entries, codes))
        sayIfCut(history, "DHI");
}

// One answer, or two when the first starts with a blank; the record data
// of both are joined.
bool HistoryReader::readStatusData(std::string& data) {
    devlink::AnswerBuffer answer{};
    if (!window_.link().exchange("DHI|", "DHI", true, answer)) return false;
    data = controller::statusHistoryData(answerText(answer));
    if (answer[0] != ' ') return true;
    if (!window_.link().exchange("DHI|", "DHI2", true, answer)) return false;
    data += controller::statusHistoryData(answerText(answer));
    return true;
}

bool HistoryReader::currentFolder(std::string& folder) {
    char path[PATH_MAX];
    if (getcwd(path, sizeof path) == nullptr) {
        window_.say(QString("System Error Code%1").arg(errno), window_.texts().name,
                    shell::MessageIcon::Exclamation);
        return false;
    }
    folder = path;
    return true;
}

void HistoryReader::readErrorHistory(const controller::CodeTable& codes) {
    std::string serial;
    if (!takeSerialNumber(serial)) return;
    if (devlink::controllerLogin(window_.link(), devlink::LoginIntent::QuietRead) == 0) return;
    devlink::AnswerBuffer answer{};
    if (!window_.link().exchange("DEI|", "DEI", true, answer)) return;
    const controller::HistoryRecords history = controller::historyRecords(
        controller::errorHistoryData(answerText(answer)), controller::kErrorHistoryLayout);
    if (refuseUncounted(history, "DEI")) return;
    if (writeList(window_.session().startDirectory.toLocal8Bit().toStdString(),
                  controller::kErrorList, serial, history.entries, codes))
        sayIfCut(history, "DEI");
}

// An answer without even the count is no history: a list would claim an
// empty log.
bool HistoryReader::refuseUncounted(const controller::HistoryRecords& history, const char* label) {
    if (history.counted) return false;
    window_.ShowLinkState();
    window_.say(QString::fromLatin1(label) +
                    window_.tr2(": Die Antwort des Ger\u00E4ts enth\u00E4lt keine Historie.\n"
                                "Es wurde keine Liste angelegt.",
                                ": The unit's answer holds no history.\nNo list was written."),
                window_.texts().caption, shell::MessageIcon::Exclamation);
    return true;
}

// The list holds only what the unit sent; the operator learns that its
// count promised more.
void HistoryReader::sayIfCut(const controller::HistoryRecords& history, const char* label) {
    if (!history.cut) return;
    window_.say(QString::fromLatin1(label) +
                    window_
                        .tr2(": Das Ger\u00E4t hat %1 Eintr\u00E4ge angek\u00FCndigt, aber nur "
                             "%2 gesendet.\nDie Liste enth\u00E4lt nur diese %2.",
                             ": The unit announced %1 records but sent only %2.\n"
                             "The list holds only these %2.")
                        .arg(history.announced)
                        .arg(history.entries.size()),
                window_.texts().caption, shell::MessageIcon::Exclamation);
}

bool HistoryReader::writeList(const std::string& baseFolder, const controller::ListFileKind& kind,
                              const std::string& serial,
                              const std::vector<controller::HistoryEntry>& entries,
                              const controller::CodeTable& codes) {
    const std::string bytes =
        controller::listFileBytes(controller::listText(kind, entries, codes, window_.english()));
    const controller::ListFileOutcome outcome =
        controller::writeListFile(baseFolder, kind, serial, clock(), bytes);
    switch (outcome.result) {
        case controller::ListFileOutcome::Written:
            window_.ShowLinkState();
            return true;
        case controller::ListFileOutcome::FolderFailed:
            window_.ShowLinkState();
            window_.say(QString("System Error Code: %1").arg(outcome.error), window_.texts().name,
                        shell::MessageIcon::Exclamation);
            return false;
        case controller::ListFileOutcome::CreateFailed:
            window_.say("cannot create " + QString::fromLocal8Bit(outcome.path),
                        window_.texts().name);
            return false;
    }
    return false;
}

}  // namespace softener
