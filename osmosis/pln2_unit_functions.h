// The reverse-osmosis window's unit commands and error history: the five
// buttons of the "Funktionen" group and the read button of the
// "Fehlerhistorie" group. There is no reserve filter and no status history.
#pragma once

#include <QObject>

#include "controller/history_reader.h"
#include "controller/unit_commands.h"

class CAquendorPLN2Dlg;

namespace osmosis {

class Pln2UnitFunctions : public QObject {
    Q_OBJECT
  public:
    // Connects the buttons; lives as long as the window, as its child.
    explicit Pln2UnitFunctions(CAquendorPLN2Dlg& window);

    controller::UnitCommands& commands() { return commands_; }
    controller::HistoryReader& history() { return history_; }

  private:
    controller::UnitCommands commands_;
    controller::HistoryReader history_;
};

}  // namespace osmosis
