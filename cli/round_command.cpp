#include <unistd.h>

#include <filesystem>

#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/round_file.h"
#include "cli/status_output.h"
#include "cli/termination.h"
#include "cli/value_output.h"
#include "controller/backup_files.h"
#include "controller/history_reader.h"
#include "controller/local_clock.h"
#include "controller/message_text.h"
#include "files/file_write.h"
#include "measuring/csv_export.h"
#include "measuring/logger_readout.h"
#include "measuring/read_measured_value.h"

namespace cli {

namespace {

using controller::withArgs;

struct Outcome {
    const RoundUnit& unit;
    bool reached = false;
    std::optional<bool> alarm;  // controller units only
    std::vector<std::string> files;
    ExitCode failure = kOk;  // the first step that failed
};

const char* failureWord(ExitCode code, bool english) {
    switch (code) {
        case kOk:
            return "";
        case kPortProblem:
            return english ? "port" : "Port";
        case kNoAnswer:
            return english ? "no answer" : "keine Antwort";
        case kDamagedAnswer:
            return english ? "checksum" : "Pr\u00FCfsumme";
        case kLoginRefused:
            return english ? "login refused" : "Anmeldung verweigert";
        case kFileProblem:
            return english ? "file" : "Datei";
        case kNotConfirmed:
            return english ? "not confirmed" : "nicht best\u00E4tigt";
        default:
            return english ? "failed" : "fehlgeschlagen";
    }
}

// One step of a unit's round; a failure is kept and the next step tried.
class UnitRound {
  public:
    UnitRound(Invocation& run, Outcome& outcome, std::string folder)
        : run_(run), outcome_(outcome), folder_(std::move(folder)) {}

    bool step(const std::function<bool()>& work) {
        run_.console.resetFailure();
        if (operation(run_.console, work)) return true;
        if (outcome_.failure == kOk) outcome_.failure = run_.console.failure(kFailed);
        return false;
    }
    void keep(const std::optional<std::string>& path) {
        if (path) outcome_.files.push_back(*path);
    }
    bool save(const std::string& name, const std::string& bytes) {
        const std::string path = folder_ + "/" + name;
        if (files::replaceFile(path, bytes)) {
            outcome_.files.push_back(path);
            return true;
        }
        run_.console.message(
            withArgs(run_.console.tr("Kann %1 nicht schreiben !", "cannot write %1 !"), {path}));
        run_.console.fail(kFileProblem);
        return false;
    }
    const std::string& folder() const { return folder_; }

  private:
    Invocation& run_;
    Outcome& outcome_;
    std::string folder_;
};

controller::BackupStamp stampNow() {
    const std::tm t = controller::systemLocalTime();
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min};
}

void controllerRound(Invocation& run, const UnitAddress& address, UnitRound& round,
                     Outcome& outcome) {
    ControllerSession session(run.console, address, round.folder());
    if (!round.step([&] { return session.connect() == kOk && session.unit.readAll(); })) return;
    outcome.reached = true;
    ControllerUnit& unit = session.unit;
    const ControllerStatus status{unit.kind(), address.serial, unit.status(), unit.parameters()};
    outcome.alarm = alarmOn(status);
    round.step([&] {
        return round.save("status.txt", statusText(status, run.english())) &&
               round.save("status.json", statusJson(status, run.english()));
    });
    round.step([&] {
        const controller::BackupResult backup = controller::writeUnitBackup(
            round.folder(), address.serial, unit.settingFile(), stampNow());
        if (backup.status == controller::BackupStatus::Written) round.keep(backup.path);
        if (backup.status != controller::BackupStatus::Written) {
            run.console.message(withArgs(
                run.console.tr("Kann %1 nicht schreiben !", "cannot write %1 !"), {backup.path}));
            run.console.fail(kFileProblem);
        }
        return backup.status == controller::BackupStatus::Written;
    });
    controller::HistoryReader histories(unit.context());
    if (const controller::CodeTable* codes = unit.kind().statusCodes)
        round.step([&] {
            const auto path = histories.readStatusHistory(*codes, unit.record().longForm());
            round.keep(path);
            return path.has_value();
        });
    round.step([&] {
        const auto path = histories.readErrorHistory(*unit.kind().errorCodes);
        round.keep(path);
        return path.has_value();
    });
}

void measuringRound(Invocation& run, const UnitAddress& address, UnitRound& round,
                    Outcome& outcome) {
    MeasuringSession session(run.console, address);
    std::optional<measuring::MeasuredValue> measured;
    if (!round.step([&] {
            if (session.connect() != kOk) return false;
            measuring::OperationContext context = session.context();
            measured = measuring::ReadMeasuredValue(context);
            return measured.has_value();
        }))
        return;
    outcome.reached = true;
    const MeasuringStatus status{address.serial, session.login.deviceType(),
                                 session.ui.variantName(), *measured};
    round.step([&] {
        return round.save("status.txt", measuringText(status, run.english())) &&
               round.save("status.json", measuringJson(status, run.english()));
    });
    round.step([&] {
        session.ui.agreeToReadout(true);
        measuring::OperationContext context = session.context();
        const auto content = measuring::FetchLoggerContent(context);
        // An empty logger has nothing to save, and that is no failure.
        if (!content) return !run.console.failed();
        const measuring::SaveResult saved = measuring::saveCsv(
            round.folder(), address.serial, controller::systemLocalTime(), content->csv);
        if (saved.kind == measuring::SaveResult::Saved) round.keep(saved.path);
        if (saved.kind != measuring::SaveResult::Saved) {
            run.console.message("cannot create " + saved.path);
            run.console.fail(kFileProblem);
        }
        return saved.kind == measuring::SaveResult::Saved;
    });
}

Outcome roundOfUnit(Invocation& run, const RoundUnit& unit) {
    Outcome outcome{unit, false, std::nullopt, {}, kOk};
    const std::string folder = run.folder + "/" + unit.name;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    // The lists and logger files go into the current folder, as the windows put them.
    if (error || chdir(folder.c_str()) != 0) {
        run.console.message(withArgs(
            run.console.tr("Kann den Ordner %1 nicht anlegen", "cannot create the folder %1"),
            {folder}));
        outcome.failure = kFileProblem;
        return outcome;
    }
    UnitAddress address;
    address.kind = unit.kind;
    address.serial = unit.serial;
    address.line.port = unit.dialled ? run.options.port : unit.place;
    address.line.baud = run.options.baud;
    address.line.modem = unit.dialled;
    address.line.dial = unit.dialled ? unit.place : "";
    UnitRound round(run, outcome, folder);
    if (unit.kind == UnitKind::Measuring)
        measuringRound(run, address, round, outcome);
    else
        controllerRound(run, address, round, outcome);
    if (chdir(run.folder.c_str()) != 0) outcome.failure = kFileProblem;
    return outcome;
}

// A table of columns two blanks apart, each as wide as its widest cell.
std::string table(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (widths.size() <= i) widths.push_back(0);
            widths[i] = std::max(widths[i], characters(row[i]));
        }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) line += padded(row[i], widths[i]) + "  ";
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}

std::string summaryText(const std::vector<Outcome>& outcomes, bool english) {
    const auto yesNo = [&](bool yes) -> std::string {
        return yes ? (english ? "yes" : "ja") : (english ? "no" : "nein");
    };
    std::vector<std::vector<std::string>> rows;
    if (english)
        rows.push_back({"unit", "kind", "serial", "reached", "alarm", "files", "problem"});
    else
        rows.push_back({"Ger\u00E4t", "Art", "Serie", "erreicht", "Alarm", "Dateien", "Problem"});
    for (const Outcome& o : outcomes)
        rows.push_back({o.unit.name, kindName(o.unit.kind), o.unit.serial, yesNo(o.reached),
                        o.alarm ? yesNo(*o.alarm) : "-", std::to_string(o.files.size()),
                        failureWord(o.failure, english)});
    return table(rows);
}

std::string summaryJson(const std::vector<Outcome>& outcomes, bool complete, bool english) {
    JsonWriter json;
    json.beginObject().key("units").beginArray();
    for (const Outcome& o : outcomes) {
        json.beginObject();
        json.field("name", o.unit.name);
        json.field("kind", kindName(o.unit.kind));
        json.field("serial", o.unit.serial);
        json.key("reached").boolean(o.reached);
        json.key("complete").boolean(o.reached && o.failure == kOk);
        json.key("alarm");
        if (o.alarm)
            json.boolean(*o.alarm);
        else
            json.null();
        json.key("files").beginArray();
        for (const std::string& file : o.files) json.string(file);
        json.endArray();
        json.key("problem");
        if (o.failure == kOk)
            json.null();
        else
            json.string(failureWord(o.failure, english));
        json.key("exit").integer(o.failure);
        json.endObject();
    }
    json.endArray();
    json.key("complete").boolean(complete);
    json.endObject();
    return json.text() + "\n";
}

}  // namespace

ExitCode runRound(Invocation& run) {
    Console& console = run.console;
    const std::string& path = run.options.args[0];
    const auto bytes = files::readFileUpTo(path, kRoundFileLimit);
    if (!bytes || bytes->size() > kRoundFileLimit) {
        console.message(withArgs(bytes ? console.tr("%1 ist zu gro\u00DF f\u00FCr eine Rundendatei",
                                                    "%1 is too large for a round file")
                                       : console.tr("Kann %1 nicht lesen", "cannot read %1"),
                                 {path}));
        return kFileProblem;
    }
    const RoundFile file = parseRoundFile(*bytes, run.english());
    if (!file.error.empty()) {
        console.message(path + ": " + file.error);
        return kUsage;
    }
    for (const RoundUnit& unit : file.units)
        if (unit.dialled && run.options.port.empty()) {
            console.message(console.tr("Die Runde w\u00E4hlt: bitte den Port des Modems mit --port",
                                       "The round dials: name the modem's port with --port"));
            return kUsage;
        }
    std::vector<Outcome> outcomes;
    for (const RoundUnit& unit : file.units) {
        if (TerminationSignals::received() != 0) break;
        // A logger readout shows its own bar in between.
        console.beginProgress(console.tr("Runde: ", "round: ") + unit.name, file.units.size());
        console.progress(outcomes.size());
        outcomes.push_back(roundOfUnit(run, unit));
    }
    console.endProgress();
    bool complete = outcomes.size() == file.units.size();
    for (const Outcome& o : outcomes) complete = complete && o.reached && o.failure == kOk;
    run.print(run.options.json ? summaryJson(outcomes, complete, run.english())
                               : summaryText(outcomes, run.english()));
    return complete ? kOk : kRoundIncomplete;
}

}  // namespace cli
