#include <filesystem>
#include <set>

#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/parameter_changes.h"
#include "cli/settings_console_ui.h"
#include "cli/value_output.h"
#include "controller/message_text.h"
#include "controller/parameter_values.h"
#include "controller/settings_store.h"
#include "files/file_write.h"

namespace cli {

namespace {

using controller::UnitValue;
using controller::UnitValues;
using controller::withArgs;

std::string pageName(int page, bool english) {
    return (english ? "functions " : "Funktionen ") + std::to_string(page);
}

std::string parameterText(const UnitValues& values, bool english) {
    std::size_t nameWidth = 0, labelWidth = 0;
    for (const UnitValue& value : values) {
        nameWidth = std::max(nameWidth, value.name.size());
        labelWidth = std::max(labelWidth, characters(value.label.in(english)));
    }
    std::string text;
    int page = -1;
    for (const UnitValue& value : values) {
        if (value.page != page) {
            page = value.page;
            text += (text.empty() ? "" : "\n") + pageName(page, english) + "\n";
        }
        text += "  " + padded(value.name, nameWidth) + "  " + valueLine(value, english, labelWidth);
    }
    return text;
}

std::string parameterJson(const ControllerUnit& unit, const std::string& serial, bool english) {
    JsonWriter json;
    json.beginObject();
    json.field("kind", kindName(unit.kind().kind));
    json.field("serial", serial);
    json.field("form", unit.record().longForm() ? "long" : "short");
    json.key("parameters").beginArray();
    for (const UnitValue& value : unit.parameters()) {
        beginValueObject(json, value, english);
        json.key("page").integer(value.page);
        json.key("settable").boolean(value.settable);
        json.endObject();
    }
    json.endArray().endObject();
    return json.text() + "\n";
}

// The setting file of what was just read, to a file or standard output.
ExitCode exportParameters(Invocation& run, const ControllerUnit& unit, const std::string& target) {
    const std::string bytes = unit.settingFile();
    if (target == "-") {
        std::fwrite(bytes.data(), 1, bytes.size(), run.out);
        std::fflush(run.out);
        return kOk;
    }
    // A failed write leaves an existing file as it was.
    if (!files::replaceFile(target, bytes)) {
        run.console.message(
            withArgs(run.console.tr("Kann %1 nicht erstellen !", "cannot create %1 !"), {target}));
        return kFileProblem;
    }
    run.print(run.options.json ? "{\"file\":" + jsonString(target) + "}\n" : target + "\n");
    return kOk;
}

std::set<std::string> filesIn(const std::string& folder) {
    std::set<std::string> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
        names.insert(entry.path().string());
    return names;
}

// The changes shown, asked for, the backup taken and the record written.
ExitCode writeChanged(Invocation& run, ControllerSession& session,
                      const controller::UnitRecord& changed) {
    ControllerUnit& unit = session.unit;
    Console& console = run.console;
    const std::vector<ParameterChange> changes =
        parameterChanges(unit.parameters(), unit.parametersOf(changed));
    const std::string backups = run.folder + "/backup " + session.ui.serialNumberText();
    const std::set<std::string> before = filesIn(backups);
    if (!run.options.json) run.print(changesText(changes, run.english()));
    const std::string question =
        changes.empty()
            ? console.tr(
                  "Keine Parameter \u00E4ndern sich. Die Parameter unver\u00E4ndert ins "
                  "Ger\u00E4t %1 schreiben?",
                  "No parameter changes. Write the parameters back to unit %1 unchanged?")
            : console.tr("%2 Parameter ins Ger\u00E4t %1 schreiben?",
                         "Write %2 changed parameter(s) to unit %1?");
    bool written = false;
    if (console.confirm(
            withArgs(question, {session.ui.serialNumberText(), std::to_string(changes.size())})))
        written = operation(console, [&] { return unit.write(changed); });
    std::string backup;
    for (const std::string& file : filesIn(backups))
        if (!before.count(file)) backup = file;
    if (run.options.json)
        run.print(changesJson(changes, written, backup, run.english()));
    else if (written)
        console.note(withArgs(console.tr("Geschrieben. Die vorigen Parameter: %1",
                                         "Written. The parameters before: %1"),
                              {backup}));
    return written ? kOk : console.failure(kFailed);
}

ExitCode writeSettingFile(Invocation& run, ControllerSession& session, const std::string& file) {
    ControllerUnit& unit = session.unit;
    controller::MemoryForm pages = unit.pagesShowing(unit.record());
    SettingsConsoleUi settingsUi(run.console, file);
    controller::SettingsStore store(unit.kind().settings, run.folder, pages, settingsUi);
    store.setEnglish(run.english());
    if (!operation(run.console, [&] {
            store.Import();
            return settingsUi.imported();
        }))
        return run.console.failure(kRefusedByCheck);
    if (operation(run.console, [&] { return !unit.refuseWrite(pages); }) == false)
        return kRefusedByCheck;
    const controller::UnitRecord changed = unit.encoded(pages);
    const std::vector<std::string> refused =
        refusedValues(*unit.kind().table, unit.record(), changed, run.english());
    for (const std::string& reason : refused) run.console.message(reason);
    if (!refused.empty()) {
        run.console.message(run.console.tr("Es wurde nichts geschrieben.", "Nothing was written."));
        return kRefusedByCheck;
    }
    return writeChanged(run, session, changed);
}

ExitCode setValues(Invocation& run, ControllerSession& session) {
    ControllerUnit& unit = session.unit;
    controller::UnitRecord changed = unit.record();
    const std::vector<std::string>& words = run.options.args;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::size_t equals = words[i].find('=');
        const std::string error =
            controller::setParameterValue(*unit.kind().table, changed, words[i].substr(0, equals),
                                          words[i].substr(equals + 1), run.english());
        if (!error.empty()) {
            run.console.message(
                error + "\n" +
                run.console.tr("Es wurde nichts geschrieben.", "Nothing was written."));
            return kRefusedByCheck;
        }
    }
    const controller::MemoryForm pages = unit.pagesShowing(changed);
    if (operation(run.console, [&] { return !unit.refuseWrite(pages); }) == false)
        return kRefusedByCheck;
    return writeChanged(run, session, changed);
}

}  // namespace

ExitCode runParams(Invocation& run, const UnitAddress& address) {
    if (address.kind == UnitKind::Measuring)
        return wrongKind(run, "Ein Messger\u00E4t hat keine Parameter.",
                         "A measuring unit has no parameters.");
    ControllerSession session(run.console, address, run.folder);
    if (ExitCode code = session.connect(); code != kOk) return code;
    if (!operation(run.console, [&] { return session.unit.readAll(); }))
        return run.console.failure(kFailed);
    const std::vector<std::string>& words = run.options.args;
    if (words.empty()) {
        run.print(run.options.json ? parameterJson(session.unit, address.serial, run.english())
                                   : parameterText(session.unit.parameters(), run.english()));
        return kOk;
    }
    if (words[0] == "export") return exportParameters(run, session.unit, words[1]);
    if (words[0] == "write") return writeSettingFile(run, session, words[1]);
    return setValues(run, session);
}

}  // namespace cli
