#include "cli/commands.h"
#include "cli/json_writer.h"
#include "controller/message_text.h"
#include "files/file_write.h"
#include "measuring/csv_export.h"
#include "measuring/logger_clear.h"
#include "measuring/logger_readout.h"

namespace cli {

namespace {

using controller::withArgs;

// Into the unit's folder as the window saves it, or into the file given.
std::optional<std::string> saveReadout(Invocation& run, const std::string& serial,
                                       const std::string& csv) {
    Console& console = run.console;
    const std::string& out = run.options.out;
    if (out == "-") {
        std::fwrite(csv.data(), 1, csv.size(), run.out);
        std::fflush(run.out);
        return out;
    }
    if (!out.empty()) {
        if (files::replaceFile(out, csv)) return out;
        console.message(
            withArgs(console.tr("Kann %1 nicht erstellen !", "cannot create %1 !"), {out}));
        return std::nullopt;
    }
    const measuring::SaveResult saved =
        measuring::saveCsv(run.folder, serial, controller::systemLocalTime(), csv);
    if (saved.kind == measuring::SaveResult::Saved) return saved.path;
    console.message(saved.kind == measuring::SaveResult::FolderFailed
                        ? "System Error Code: " + std::to_string(saved.error)
                        : "cannot create " + saved.path);
    return std::nullopt;
}

ExitCode readLogger(Invocation& run, MeasuringSession& session, const std::string& serial) {
    std::optional<measuring::LoggerContent> content;
    const bool fetched = operation(run.console, [&] {
        session.ui.agreeToReadout(true);
        measuring::OperationContext context = session.context();
        content = measuring::FetchLoggerContent(context);
        return content.has_value();
    });
    if (!fetched) return run.console.failure(kFailed);
    const std::optional<std::string> path = saveReadout(run, serial, content->csv);
    if (!path) return kFileProblem;
    if (const std::string note = measuring::deviationNote(*content); !note.empty())
        run.console.message(note.substr(1));
    if (*path == "-") return kOk;
    if (run.options.json) {
        JsonWriter json;
        json.beginObject().field("file", *path);
        json.key("records").integer(static_cast<long long>(content->written));
        json.key("announced").integer(static_cast<long long>(content->announced));
        json.endObject();
        run.print(json.text() + "\n");
    } else {
        run.print(*path + "\n");
    }
    return kOk;
}

}  // namespace

ExitCode runLogger(Invocation& run, const UnitAddress& address) {
    if (address.kind != UnitKind::Measuring)
        return wrongKind(run, "logger gilt nur f\u00FCr ein Messger\u00E4t (--kind measuring)",
                         "logger is for a measuring unit only (--kind measuring)");
    MeasuringSession session(run.console, address);
    if (ExitCode code = session.connect(); code != kOk) return code;
    if (run.options.args[0] == "read") return readLogger(run, session, address.serial);
    const bool cleared = operation(run.console, [&] {
        measuring::OperationContext context = session.context();
        return measuring::ClearLogger(context);
    });
    if (!cleared) return run.console.failure(kFailed);
    run.print(run.options.json ? "{\"cleared\":true}\n"
                               : run.console.tr("Datenlogger gel\u00F6scht\n", "logger cleared\n"));
    return kOk;
}

}  // namespace cli
