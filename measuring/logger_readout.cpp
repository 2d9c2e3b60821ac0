#include "measuring/logger_readout.h"

#include <sys/stat.h>

#include <cerrno>

#include "devlink/delay.h"
#include "devlink/login.h"
#include "measuring/block_transfer.h"
#include "measuring/csv_export.h"
#include "measuring/logger_record.h"
#include "measuring/logger_size.h"

namespace measuring {

namespace {

using devlink::MessageCaption;

constexpr std::uint64_t kRecordsPerBlock = 15;

std::string readoutQuestion(std::uint64_t records) {
    return std::to_string(records) + " Messwert(e) gespeichert !\nDas Auslesen ben\u00F6tigt ca. " +
           std::to_string(estimatedSeconds(records)) + " Sekunden.\nAuslesen ?";
}

// The time left from the rate of the records so far.
ReadoutProgress progressAt(const RecordCollector& records, std::uint64_t announced,
                           std::int64_t startUs) {
    ReadoutProgress progress{records.received(), announced, -1.0};
    if (progress.received == 0) return progress;
    const double elapsed = static_cast<double>(devlink::monotonicUs() - startUs) / 1e6;
    const std::uint64_t left = announced > progress.received ? announced - progress.received : 0;
    progress.secondsLeft =
        elapsed * static_cast<double>(left) / static_cast<double>(progress.received);
    return progress;
}

// The blocks, with the progress display open while they come. Nothing when
// the readout must stop (the reason has been shown); otherwise whether the
// unit sent more than it announced: more records, or more blocks than the
// announced count allows, after which no further block was asked for.
std::optional<bool> fetchRecords(OperationContext& context, const LoggerSize& size,
                                 RecordCollector& records) {
    MeasuringUi& ui = context.ui;
    ui.beginProgress(size.records);
    const std::int64_t startUs = devlink::monotonicUs();
    const TransferEnd end = transferBlocks(context.link, size.bytes, records, [&] {
        return ui.updateProgress(progressAt(records, size.records, startUs));
    });
    ui.endProgress();
    switch (end) {
        case TransferEnd::Complete:
            return records.received() > size.records;
        case TransferEnd::Endless:
            return true;
        case TransferEnd::Failed:
            return std::nullopt;
        case TransferEnd::Cancelled:
            ui.tell(
                "Das Auslesen des Datenloggers wurde abgebrochen.\nEs wurde keine Datei "
                "geschrieben.",
                MessageCaption::ProgramCaption, UiIcon::Information);
            return std::nullopt;
    }
    return std::nullopt;
}

// What the saved message adds when the unit did not send what it announced.
std::string deviationNote(std::uint64_t written, std::uint64_t announced, bool sentMore) {
    std::string note;
    if (written < announced)
        note += "\nEs wurden nur " + std::to_string(written) + " von " + std::to_string(announced) +
                " Messwerten empfangen.";
    if (sentMore && written == announced)
        note +=
            "\nDer Datenlogger hat mehr Daten gesendet als angek\u00FCndigt; gespeichert "
            "wurden die angek\u00FCndigten " +
            std::to_string(announced) + " Messwerte.";
    else if (sentMore)
        note += "\nDer Datenlogger hat mehr Datenbl\u00F6cke gesendet als angek\u00FCndigt.";
    return note;
}

// Writes the file; its result, or nothing after a reported failure.
std::optional<SaveResult> writeFile(OperationContext& context, const std::string& serial,
                                    const std::string& content) {
    MeasuringUi& ui = context.ui;
    const std::tm now = ui.localTime();
    const std::string folder = workingDirectory();
    if (folder.empty()) {
        const int error = errno;
        ui.tell("System Error Code" + std::to_string(error), MessageCaption::ProgramName,
                UiIcon::Exclamation);
        return std::nullopt;
    }
    SaveResult saved = saveCsv(folder, serial, now, content);
    if (saved.kind == SaveResult::FolderFailed) {
        ui.tell("System Error Code: " + std::to_string(saved.error), MessageCaption::ProgramName,
                UiIcon::Exclamation);
        return std::nullopt;
    }
    if (saved.kind == SaveResult::CreateFailed) {
        ui.tell("cannot create " + saved.path, MessageCaption::ProgramName, UiIcon::None);
        return std::nullopt;
    }
    return saved;
}

bool isFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void offerFolder(MeasuringUi& ui, const SaveResult& saved, const std::string& note) {
    const std::string text =
        "Messdaten aus Datenlogger gespeichert:\nSpeicherort: " + saved.folder +
        "\nDateiname: " + saved.fileName + note;
    if (!ui.ask(text + "\nSpeicherort im Explorer anzeigen ?", UiIcon::Question)) return;
    if (!isFolder(saved.folder))
        ui.tell("Pfad nicht gefunden.", MessageCaption::ProgramName, UiIcon::Exclamation);
    else if (!ui.showFolder(saved.folder))
        ui.tell("Datei nicht gefunden.", MessageCaption::ProgramName, UiIcon::Exclamation);
}

}  // namespace

std::uint64_t estimatedSeconds(std::uint64_t records) {
    const std::uint64_t further = records > 0 ? (records - 1) / kRecordsPerBlock : 0;
    return static_cast<std::uint64_t>(static_cast<double>(further) * 0.45 + 1.0);
}

std::optional<LoggerContent> FetchLoggerContent(OperationContext& context) {
    MeasuringUi& ui = context.ui;
    const auto size =
        askLoggerSize(context, devlink::LoginIntent::QuietRead, 2, EmptyLogger::BelowOneRecord);
    if (!size || !ui.ask(readoutQuestion(size->records), UiIcon::None)) return std::nullopt;
    ui.repaintWindow();

    RecordCollector records(size->records);
    const std::optional<bool> sentMore = fetchRecords(context, *size, records);
    if (!sentMore) return std::nullopt;
    LoggerContent content;
    content.written = records.records().size();
    content.announced = size->records;
    content.sentMore = *sentMore;
    if (content.written == 0) {
        ui.tell(
            "Der Datenlogger hat keinen vollst\u00E4ndigen Messwert gesendet.\nEs wurde keine "
            "Datei geschrieben.",
            MessageCaption::ProgramCaption, UiIcon::Exclamation);
        return std::nullopt;
    }
    content.csv = csvText(records.records(), records.records().size());
    return content;
}

std::string deviationNote(const LoggerContent& content) {
    return deviationNote(content.written, content.announced, content.sentMore);
}

std::optional<std::string> ReadOutLogger(OperationContext& context) {
    RestStateOnExit restState(context.ui);
    MeasuringUi& ui = context.ui;
    // The folder and file are named after the number the unit was asked with.
    const std::string serial = ui.serialNumberText();
    std::optional<LoggerContent> content = FetchLoggerContent(context);
    if (!content) return std::nullopt;
    if (!devlink::isSixDigitSerial(serial)) {
        ui.tell("Bitte 6 Ziffern f\u00FCr die Seriennummer eingeben",
                MessageCaption::ProgramCaption, UiIcon::None);
        return std::nullopt;
    }
    const auto saved = writeFile(context, serial, content->csv);
    std::string().swap(content->csv);
    if (!saved) return std::nullopt;
    ui.showRestState();
    offerFolder(ui, *saved, deviationNote(*content));
    return saved->path;
}

}  // namespace measuring
