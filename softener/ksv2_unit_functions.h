// The softener window's unit commands and histories: the six buttons of
// the "Funktionen" group and the read buttons of the status and error
// history groups.
#pragma once

#include <QObject>

#include "controller/history_reader.h"
#include "controller/unit_commands.h"

class CAquendorKSV2Dlg;

namespace softener {

class Ksv2UnitFunctions : public QObject {
    Q_OBJECT
  public:
    // Connects the buttons; lives as long as the window, as its child.
    explicit Ksv2UnitFunctions(CAquendorKSV2Dlg& window);

    controller::UnitCommands& commands() { return commands_; }
    controller::HistoryReader& histories() { return histories_; }

  private:
    void onClicked(int control, void (Ksv2UnitFunctions::*handler)());
    void acknowledgeError();
    void startStopRegeneration();
    void regenerateReserveFilter();
    void changeFilter();
    void reset();
    void setClock();
    void readStatusHistory();
    void readErrorHistory();

    CAquendorKSV2Dlg& window_;
    controller::UnitCommands commands_;
    controller::HistoryReader histories_;
};

}  // namespace softener
