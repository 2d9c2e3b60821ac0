#include "softener/ksv2_unit_functions.h"

#include <QAbstractButton>

#include "shell/controls.h"
#include "softener/aquendor_ksv2_dlg.h"
#include "softener/softener_history_codes.h"

namespace softener {

namespace {

constexpr int kAcknowledgeError = 1028;
constexpr int kReset = 1029;
constexpr int kStartStopRegeneration = 1030;
constexpr int kRegenerateReserveFilter = 1031;
constexpr int kChangeFilter = 1032;
constexpr int kSetClock = 1289;
constexpr int kReadStatusHistory = 1293;
constexpr int kReadErrorHistory = 1033;

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
    setObjectName("ksv2UnitFunctions");
    onClicked(kAcknowledgeError, &Ksv2UnitFunctions::acknowledgeError);
    onClicked(kStartStopRegeneration, &Ksv2UnitFunctions::startStopRegeneration);
    onClicked(kRegenerateReserveFilter, &Ksv2UnitFunctions::regenerateReserveFilter);
    onClicked(kChangeFilter, &Ksv2UnitFunctions::changeFilter);
    onClicked(kReadStatusHistory, &Ksv2UnitFunctions::readStatusHistory);
    onClicked(kReadErrorHistory, &Ksv2UnitFunctions::readErrorHistory);
    onClicked(kReset, &Ksv2UnitFunctions::reset);
    onClicked(kSetClock, &Ksv2UnitFunctions::setClock);
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
