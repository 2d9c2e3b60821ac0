#include "cli/app.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>

#include "cli/commands.h"
#include "cli/help_text.h"
#include "cli/target.h"
#include "cli/termination.h"
#include "controller/message_text.h"
#include "devlink/traffic_trace.h"
#include "devlink/wait_hook.h"

namespace cli {

namespace {

std::string currentFolder() {
    char folder[PATH_MAX];
    return getcwd(folder, sizeof folder) ? std::string(folder) : std::string();
}

// Paths given on the command line are taken from the folder the tool was
// started in, before it changes to the folder files go to.
std::string absolute(const std::string& path, const std::string& from) {
    if (path.empty() || path == "-" || path.front() == '/') return path;
    return from + "/" + path;
}

void makePathsAbsolute(Options& o, const std::string& from) {
    for (std::string* path : {&o.trace, &o.ini, &o.dir, &o.out, &o.csv})
        *path = absolute(*path, from);
    if (o.command == "round" && !o.args.empty()) o.args[0] = absolute(o.args[0], from);
    if (o.command == "params" && o.args.size() == 2 && o.args[0] != "set")
        o.args[1] = absolute(o.args[1], from);
}

// The folder files go to becomes the current folder: the windows write
// their status lists and logger files there.
bool enterFolder(Invocation& run, const std::string& folder) {
    std::error_code error;
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    if (error || (!folder.empty() && chdir(folder.c_str()) != 0)) {
        run.console.message(controller::withArgs(
            run.console.tr("Kann nicht in den Ordner %1 wechseln", "cannot enter the folder %1"),
            {folder}));
        return false;
    }
    run.folder = currentFolder();
    return !run.folder.empty();
}

bool openTrace(const Options& o, Console& console) {
    std::string path = o.trace;
    if (path.empty())
        if (const char* variable = std::getenv("AQUENDOR_TRACE")) path = variable;
    if (path.empty() || devlink::TrafficTrace::open(path)) return true;
    console.message(controller::withArgs(
        console.tr("Kann die Aufzeichnung %1 nicht schreiben", "cannot write the trace %1"),
        {path}));
    return false;
}

ExitCode runOnUnit(Invocation& run) {
    const Options& o = run.options;
    ExitCode code = kOk;
    const auto line = lineTarget(o, *o.kind, run.folder, run.console, code);
    if (!line) return code;
    const UnitAddress address{*o.kind, o.serial, *line};
    const std::string& c = o.command;
    if (c == "status") return runStatus(run, address);
    if (c == "value") return runValue(run, address);
    if (c == "params") return runParams(run, address);
    if (c == "history") return runHistory(run, address);
    if (c == "command") return runUnitCommand(run, address);
    if (c == "logger") return runLogger(run, address);
    return runWatch(run, address);
}

int helpOrVersion(const Options& o, std::FILE* out) {
    if (o.version) {
        std::fputs(versionText().c_str(), out);
        return kOk;
    }
    const std::string name = o.command == "help" && !o.args.empty() ? o.args[0] : o.command;
    const std::string text = commandHelpText(name, o.english);
    std::fputs((text.empty() ? usageText(o.english) : text).c_str(), out);
    return kOk;
}

}  // namespace

int runAquendorctl(const std::vector<std::string>& words, std::FILE* out, std::FILE* err) {
    ParsedOptions parsed = parseOptions(words);
    Options& o = parsed.options;
    Console console({o.english, o.quiet, o.yes}, err);
    if (!parsed.error.empty()) {
        console.message(parsed.error);
        return kUsage;
    }
    if (o.help || o.version || o.command == "help") return helpOrVersion(o, out);
    const std::string started = currentFolder();
    makePathsAbsolute(o, started);
    const TerminationSignals signals;
    Invocation run{o, console, out, started};
    if (!openTrace(o, console) || !enterFolder(run, o.dir)) return kFileProblem;
    const ExitCode code = o.command == "round" ? runRound(run) : runOnUnit(run);
    devlink::TrafficTrace::close();
    if (chdir(started.c_str()) != 0) {
        // The folder it was started in has gone; nothing is left to do there.
    }
    const int signal = TerminationSignals::received();
    if (signal == 0 || o.command == "watch") return code;
    // The line is released; what is left to say is said.
    devlink::withdrawEndRequest();
    console.message(console.tr("Abgebrochen; die Verbindung ist getrennt.",
                               "Interrupted; the line is released."));
    return signalExit(signal);
}

}  // namespace cli
