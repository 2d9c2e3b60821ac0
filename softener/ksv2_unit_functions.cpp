#include "softener/ksv2_unit_functions.h"

#include <QAbstractButton>

#include "resources/ids/ksv2_ids.h"
#include "shell/controls.h"
#include "softener/aquendor_ksv2_dlg.h"
#include "softener/softener_history_codes.h"

namespace softener {

namespace {

constexpr controller::ResetTexts kResetTexts{
    "KSV2 zur\u00FCckgesetzt, wenn Alarm-LED (Hupe) leuchtet",
    "KSV2 reset is o.k. if error-LED (horn) is on"};

}  // namespace

Ksv2UnitFunctions::Ksv2UnitFunctions(CAquendorKSV2Dlg& window)
    : QObject(&window),
      window_(window),
      commands_(window.operationContext(), kResetTexts,
                [&window] { return window.readAllAfterWrite(); }),
      histories_(window.operationContext()) {
    using namespace ksv2::ids;
    setObjectName("ksv2UnitFunctions");
    onClicked(QuitErrorButton, &Ksv2UnitFunctions::acknowledgeError);
    onClicked(RegenerationButton, &Ksv2UnitFunctions::startStopRegeneration);
    onClicked(ReserveFilterButton, &Ksv2UnitFunctions::regenerateReserveFilter);
    onClicked(ChangeFilterButton, &Ksv2UnitFunctions::changeFilter);
    onClicked(StatusHistoryButton, &Ksv2UnitFunctions::readStatusHistory);
    onClicked(ErrorHistoryButton, &Ksv2UnitFunctions::readErrorHistory);
    onClicked(ResetButton, &Ksv2UnitFunctions::reset);
    onClicked(SetClockButton, &Ksv2UnitFunctions::setClock);
}

void Ksv2UnitFunctions::onClicked(int control, void (Ksv2UnitFunctions::*handler)()) {
    window_.connectOperation(control, [this, handler] { (this->*handler)(); });
}

void Ksv2UnitFunctions::acknowledgeError() {
    commands_.send("SEQ", controller::AfterCommand::ReadAll);
}

void Ksv2UnitFunctions::startStopRegeneration() {
    commands_.send("SRS", controller::AfterCommand::Nothing);
}

void Ksv2UnitFunctions::regenerateReserveFilter() {
    commands_.send("SRF", controller::AfterCommand::Nothing);
}

void Ksv2UnitFunctions::changeFilter() {
    commands_.send("SFA", controller::AfterCommand::Nothing);
}

void Ksv2UnitFunctions::reset() {
    commands_.reset();
}

void Ksv2UnitFunctions::setClock() {
    commands_.setClock();
}

void Ksv2UnitFunctions::readStatusHistory() {
    histories_.readStatusHistory(kSoftenerStatusCodes, window_.parameterRecord().longForm());
}

void Ksv2UnitFunctions::readErrorHistory() {
    histories_.readErrorHistory(kSoftenerErrorCodes);
}

}  // namespace softener
