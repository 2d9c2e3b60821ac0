#include "osmosis/pln2_unit_functions.h"

#include <functional>
#include <utility>

#include "osmosis/aquendor_pln2_dlg.h"
#include "osmosis/osmosis_history_codes.h"
#include "resources/ids/pln2_ids.h"

namespace osmosis {

namespace {

constexpr controller::ResetTexts kResetTexts{
    "PLN2 zur\u00FCckgesetzt, wenn Alarm-LED (Hupe) leuchtet",
    "PLN2 reset is o.k. if error-LED (horn) is on"};

}  // namespace

Pln2UnitFunctions::Pln2UnitFunctions(CAquendorPLN2Dlg& window)
    : QObject(&window),
      commands_(window.operationContext(), kResetTexts, [&window] { return window.readAll(); }),
      history_(window.operationContext()) {
    setObjectName("pln2UnitFunctions");
    using controller::AfterCommand;
    using namespace pln2::ids;
    const std::pair<int, std::function<void()>> buttons[] = {
        {QuitErrorButton, [this] { commands_.send("SEQ", AfterCommand::ReadAll); }},  // quit error
        {ResetButton, [this] { commands_.reset(); }},
        {RunStopButton, [this] { commands_.send("SRS", AfterCommand::Nothing); }},  // run / stop
        {FlushButton, [this] { commands_.send("SFA", AfterCommand::Nothing); }},    // flush
        {SetClockButton, [this] { commands_.setClock(); }},
        {ErrorHistoryButton, [this] { history_.readErrorHistory(kOsmosisErrorCodes); }},
    };
    for (const auto& [control, action] : buttons) window.connectOperation(control, action);
}

}  // namespace osmosis
