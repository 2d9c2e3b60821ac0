#include "cli/commands.h"
#include "cli/json_writer.h"
#include "controller/history_reader.h"

namespace cli {

ExitCode runHistory(Invocation& run, const UnitAddress& address) {
    if (address.kind == UnitKind::Measuring)
        return wrongKind(run, "Ein Messger\u00E4t f\u00FChrt keine Historie.",
                         "A measuring unit keeps no history.");
    const ControllerKind& kind = controllerKind(address.kind);
    const bool statusHistory = run.options.args[0] == "status";
    if (statusHistory && !kind.statusCodes)
        return wrongKind(run, "Die Umkehrosmose f\u00FChrt keine Statushistorie.",
                         "The reverse-osmosis unit keeps no status history.");
    ControllerSession session(run.console, address, run.folder);
    if (ExitCode code = session.connect(); code != kOk) return code;
    std::optional<std::string> written;
    const bool done = operation(run.console, [&] {
        controller::HistoryReader reader(session.unit.context());
        if (!statusHistory)
            return (written = reader.readErrorHistory(*kind.errorCodes)).has_value();
        // A unit of the short form keeps ten status records: the window
        // knows the form from its read, and so does the tool.
        if (!session.unit.readAll()) return false;
        written = reader.readStatusHistory(*kind.statusCodes, session.unit.record().longForm());
        return written.has_value();
    });
    if (!done) return run.console.failure(kFailed);
    run.print(run.options.json ? "{\"file\":" + jsonString(*written) + "}\n" : *written + "\n");
    return kOk;
}

}  // namespace cli
