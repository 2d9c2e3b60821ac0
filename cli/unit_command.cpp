#include "cli/commands.h"
#include "controller/message_text.h"

namespace cli {

namespace {

std::string commandList(const ControllerKind& kind) {
    std::string names;
    for (const CommandSpec& command : kind.commands)
        names += (names.empty() ? "" : ", ") + std::string(command.name);
    return names;
}

}  // namespace

ExitCode runUnitCommand(Invocation& run, const UnitAddress& address) {
    if (address.kind == UnitKind::Measuring)
        return wrongKind(run,
                         "Ein Messger\u00E4t kennt keine Befehle; den Datenlogger l\u00F6scht "
                         "logger clear.",
                         "A measuring unit takes no commands; logger clear erases its logger.");
    const ControllerKind& kind = controllerKind(address.kind);
    const CommandSpec* spec = commandNamed(kind, run.options.args[0]);
    if (!spec) {
        run.console.message(
            controller::withArgs(run.console.tr("Unbekannter Befehl \"%1\"; %2 kennt: %3",
                                                "Unknown command \"%1\"; %2 takes: %3"),
                                 {run.options.args[0], kindName(address.kind), commandList(kind)}));
        return kUsage;
    }
    ControllerSession session(run.console, address, run.folder);
    if (ExitCode code = session.connect(); code != kOk) return code;
    controller::UnitCommands commands(session.unit.context(), kind.resetTexts,
                                      [&] { return session.unit.readAll(true); });
    const bool done = operation(run.console, [&] {
        switch (spec->action) {
            case CommandSpec::Send:
                return commands.send(spec->word, spec->after);
            case CommandSpec::Clock:
                return commands.setClock();
            case CommandSpec::Reset:
                return commands.reset();
        }
        return false;
    });
    if (!done) return run.console.failure(kFailed);
    run.print(run.options.json ? "{\"command\":\"" + std::string(spec->name) + "\",\"done\":true}\n"
                               : std::string(spec->name) + ": ok\n");
    return kOk;
}

}  // namespace cli
