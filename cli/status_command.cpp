#include "cli/commands.h"
#include "cli/status_output.h"
#include "controller/message_text.h"
#include "measuring/read_measured_value.h"

namespace cli {

namespace {

ExitCode controllerStatus(Invocation& run, const UnitAddress& address) {
    ControllerSession session(run.console, address, run.folder);
    if (ExitCode code = session.connect(); code != kOk) return code;
    if (!operation(run.console, [&] { return session.unit.readAll(); }))
        return run.console.failure(kFailed);
    const ControllerStatus status{session.unit.kind(), address.serial, session.unit.status(),
                                  session.unit.parameters()};
    run.print(run.options.json ? statusJson(status, run.english())
                               : statusText(status, run.english()));
    return kOk;
}

}  // namespace

ExitCode wrongKind(Invocation& run, const char* german, const char* english) {
    run.console.message(run.console.tr(german, english));
    return kUsage;
}

// The measuring program's "lesen" under "Messwert".
ExitCode runValue(Invocation& run, const UnitAddress& address) {
    if (address.kind != UnitKind::Measuring)
        return wrongKind(run, "value gilt nur f\u00FCr ein Messger\u00E4t (--kind measuring)",
                         "value is for a measuring unit only (--kind measuring)");
    MeasuringSession session(run.console, address);
    if (ExitCode code = session.connect(); code != kOk) return code;
    std::optional<measuring::MeasuredValue> measured;
    if (!operation(run.console, [&] {
            measuring::OperationContext context = session.context();
            measured = measuring::ReadMeasuredValue(context);
            return measured.has_value();
        }))
        return run.console.failure(kFailed);
    const MeasuringStatus status{address.serial, session.login.deviceType(),
                                 session.ui.variantName(), *measured};
    run.print(run.options.json ? measuringJson(status, run.english())
                               : measuringText(status, run.english()));
    return kOk;
}

ExitCode runStatus(Invocation& run, const UnitAddress& address) {
    if (address.kind == UnitKind::Measuring) return runValue(run, address);
    return controllerStatus(run, address);
}

}  // namespace cli
