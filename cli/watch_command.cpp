#include <cstdio>
#include <ctime>

#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/status_output.h"
#include "cli/termination.h"
#include "cli/value_output.h"
#include "controller/message_text.h"
#include "devlink/delay.h"
#include "files/file_write.h"
#include "measuring/read_measured_value.h"

namespace cli {

namespace {

using controller::UnitValue;

// The PC's local time of a reading, "2026-12-07 14:30:05".
std::string readingTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::string csvQuoted(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string csvField(const UnitValue& value, bool english) {
    if (!value.present) return {};
    switch (value.type) {
        case controller::ValueType::Number:
            return numberText(value.number, shownDecimals(value));
        case controller::ValueType::Choice:
            return value.choice < 0 ? std::string() : value.text;
        case controller::ValueType::Flag:
            return value.flag ? "1" : "0";
        case controller::ValueType::Text:
            return csvQuoted(value.shown.in(english));
    }
    return {};
}

// One reading: its CSV line (and header) and its JSON line.
struct Reading {
    std::string header;
    std::string csv;
    std::string json;
};

class Watcher {
  public:
    virtual ~Watcher() = default;
    virtual ExitCode connect() = 0;
    // Nothing after a failure that has been shown.
    virtual std::optional<Reading> read(const std::string& time) = 0;
};

class ControllerWatcher : public Watcher {
  public:
    ControllerWatcher(Invocation& run, const UnitAddress& address)
        : run_(run), session_(run.console, address, run.folder), serial_(address.serial) {}
    ExitCode connect() override { return session_.connect(); }
    std::optional<Reading> read(const std::string& time) override {
        if (!operation(run_.console, [&] { return session_.unit.readAll(); })) return std::nullopt;
        const ControllerStatus status{session_.unit.kind(), serial_, session_.unit.status(),
                                      session_.unit.parameters()};
        Reading reading{"time", time, statusJson(status, run_.english(), time)};
        for (const UnitValue& value : status.values) {
            reading.header += "," + value.name;
            reading.csv += "," + csvField(value, run_.english());
        }
        return reading;
    }

  private:
    Invocation& run_;
    ControllerSession session_;
    std::string serial_;
};

class MeasuringWatcher : public Watcher {
  public:
    MeasuringWatcher(Invocation& run, const UnitAddress& address)
        : run_(run), session_(run.console, address), serial_(address.serial) {}
    ExitCode connect() override { return session_.connect(); }
    std::optional<Reading> read(const std::string& time) override {
        std::optional<measuring::MeasuredValue> measured;
        if (!operation(run_.console, [&] {
                measuring::OperationContext context = session_.context();
                measured = measuring::ReadMeasuredValue(context);
                return measured.has_value();
            }))
            return std::nullopt;
        const char variant = session_.login.deviceType();
        const MeasuringStatus status{serial_, variant, session_.ui.variantName(), *measured};
        return Reading{"time,measured_value,temperature",
                       time + "," + numberText(measured->value, measuredDecimals(variant)) + "," +
                           (hasTemperature(*measured) ? numberText(measured->temperature, 1) : ""),
                       measuringJson(status, run_.english(), time)};
    }

  private:
    Invocation& run_;
    MeasuringSession session_;
    std::string serial_;
};

// The CSV file given with --csv: the header when the file is new, then a
// line a reading, each appended whole.
bool appendCsv(Invocation& run, const Reading& reading, bool& headerDone) {
    const std::string& path = run.options.csv;
    if (path.empty()) return true;
    std::string lines;
    bool fresh = false;
    if (!headerDone) {
        const auto existing = files::readFileUpTo(path, 1);
        fresh = !existing;
        if (!existing || existing->empty()) lines += reading.header + "\n";
        headerDone = true;
    }
    lines += reading.csv + "\n";
    const bool written = fresh ? files::writeNewFile(path, lines) == files::NewFileResult::Written
                               : files::appendToFile(path, lines);
    if (written) return true;
    run.console.message(controller::withArgs(
        run.console.tr("Kann %1 nicht schreiben !", "cannot write %1 !"), {path}));
    return false;
}

}  // namespace

ExitCode runWatch(Invocation& run, const UnitAddress& address) {
    std::unique_ptr<Watcher> watcher;
    if (address.kind == UnitKind::Measuring)
        watcher = std::make_unique<MeasuringWatcher>(run, address);
    else
        watcher = std::make_unique<ControllerWatcher>(run, address);
    if (ExitCode code = watcher->connect(); code != kOk) return code;
    bool headerShown = false, csvHeaderDone = false;
    ExitCode last = kOk;
    for (long taken = 0; TerminationSignals::received() == 0;) {
        run.console.resetFailure();
        const std::optional<Reading> reading = watcher->read(readingTime());
        if (TerminationSignals::received() != 0) break;
        last = reading ? kOk : run.console.failure(kFailed);
        if (reading) {
            if (!run.options.json && !headerShown) run.print(reading->header + "\n");
            headerShown = true;
            run.print(run.options.json ? reading->json : reading->csv + "\n");
            if (!appendCsv(run, *reading, csvHeaderDone)) return kFileProblem;
        }
        if (run.options.count > 0 && ++taken >= run.options.count) break;
        devlink::Delay(static_cast<unsigned>(run.options.interval * 1000));
    }
    // Stopped by Ctrl+C or a termination signal: the way a watch ends.
    return last;
}

}  // namespace cli
