// A controller unit as its program's window works with it, without the
// window: read-all (status area and parameter record), the record as the
// pages would show it, the setting file they would export, and the write
// with its checks and the backup of what the unit held.
#pragma once

#include <string>

#include "cli/controller_kind.h"
#include "controller/memory_form.h"
#include "controller/operation_context.h"
#include "controller/unit_record.h"

namespace cli {

class ControllerUnit {
  public:
    ControllerUnit(const ControllerKind& kind, controller::OperationContext context);

    const ControllerKind& kind() const { return kind_; }
    controller::OperationContext& context() { return context_; }

    // Read-all as the read button runs it; afterWrite: as it runs after a
    // write or a unit command (the unit closes a second answer otherwise).
    bool readAll(bool afterWrite = false);

    const std::string& statusArea() const { return statusArea_; }
    const controller::UnitRecord& record() const { return record_; }
    controller::UnitValues status() const;
    controller::UnitValues parameters() const { return parametersOf(record_); }
    controller::UnitValues parametersOf(const controller::UnitRecord& record) const;

    // The parameter pages held in memory, showing a record as after a read.
    controller::MemoryForm pagesShowing(const controller::UnitRecord& record) const;
    // The setting file the pages would export right after the read.
    std::string settingFile() const;

    // The write button's checks on pages holding new values: a record read
    // and every float field a number. True when nothing may be sent (the
    // message has been shown).
    bool refuseWrite(const controller::ParameterForm& pages) const;
    // The pages encoded into a copy of the record last read.
    controller::UnitRecord encoded(const controller::ParameterForm& pages) const;

    // The rest of the write, as the window runs it: the backup of what the
    // unit held, the writing login, DPS and, where the unit's program does
    // so, the read after it. False after a failure that has been shown.
    bool write(const controller::UnitRecord& changed);

  private:
    const ControllerKind& kind_;
    controller::OperationContext context_;
    std::string statusArea_;
    controller::UnitRecord record_;
};

}  // namespace cli
