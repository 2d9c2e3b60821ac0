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
    if (isSixDigitSerial(serial)) return true;
    window_.say(window_.tr2("Bitte 6 Ziffern f\u00FCr die Seriennummer eingeben",
                            "Please insert 6 numbers for the serialnumber"),
                window_.texts().caption);
    window_.focusSerialNumber();
    return false;
}

void HistoryReader::readStatusHistory(const CodeTable& codes, bool longForm) {
    std::string serial;
    if (!takeSerialNumber(serial)) return;
    if (devlink::controllerLogin(window_.link(), devlink::LoginIntent::QuietRead) == 0) return;
    std::string data;
    if (!readStatusData(data)) return;
    const std::size_t count = historyCount(data, longForm ? 0 : kShortFormStatusRecords);
    const auto entries = decodeHistory(data, kStatusHistoryLayout, count);
    std::string folder;
    if (!currentFolder(folder)) return;
    writeList(folder, kStatusList, serial, entries, codes);
}

// One answer, or two when the first starts with a blank; the record data
// of both are joined.
bool HistoryReader::readStatusData(std::string& data) {
    devlink::AnswerBuffer answer{};
    if (!window_.link().exchange("DHI|", "DHI", true, answer)) return false;
    data = statusHistoryData(answerText(answer));
    if (answer[0] != ' ') return true;
    if (!window_.link().exchange("DHI|", "DHI2", true, answer)) return false;
    data += statusHistoryData(answerText(answer));
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

void HistoryReader::readErrorHistory(const CodeTable& codes) {
    std::string serial;
    if (!takeSerialNumber(serial)) return;
    if (devlink::controllerLogin(window_.link(), devlink::LoginIntent::QuietRead) == 0) return;
    devlink::AnswerBuffer answer{};
    if (!window_.link().exchange("DEI|", "DEI", true, answer)) return;
    const std::string data = errorHistoryData(answerText(answer));
    const auto entries = decodeHistory(data, kErrorHistoryLayout, historyCount(data));
    writeList(window_.session().startDirectory.toLocal8Bit().toStdString(), kErrorList, serial,
              entries, codes);
}

void HistoryReader::writeList(const std::string& baseFolder, const ListFileKind& kind,
                              const std::string& serial, const std::vector<HistoryEntry>& entries,
                              const CodeTable& codes) {
    const std::string bytes = listFileBytes(listText(kind, entries, codes, window_.english()));
    const ListFileOutcome outcome = writeListFile(baseFolder, kind, serial, clock(), bytes);
    switch (outcome.result) {
        case ListFileOutcome::Written:
            window_.ShowLinkState();
            return;
        case ListFileOutcome::FolderFailed:
            window_.ShowLinkState();
            window_.say(QString("System Error Code: %1").arg(outcome.error), window_.texts().name,
                        shell::MessageIcon::Exclamation);
            return;
        case ListFileOutcome::CreateFailed:
            window_.say("cannot create " + QString::fromLocal8Bit(outcome.path),
                        window_.texts().name);
            return;
    }
}

}  // namespace softener
