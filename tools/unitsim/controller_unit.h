// What the simulator asks of a controller unit, softener or reverse
// osmosis, whichever kind it plays: its parameter record, its status area,
// the conditions and pinned bytes a test puts on it, its error log and the
// clock its plant runs on.
#pragma once

#include <cstdint>
#include <string>

#include "tools/unitsim/history_log.h"
#include "tools/unitsim/injected_conditions.h"
#include "tools/unitsim/status_overrides.h"

namespace unitsim {

class ControllerUnit {
  public:
    virtual ~ControllerUnit() = default;

    virtual const std::string& record() const = 0;
    virtual void setRecord(std::string record) = 0;
    // The plant runs up to now first.
    virtual std::string statusArea() = 0;

    virtual const InjectedConditions& conditions() const = 0;
    virtual void setConditions(const InjectedConditions& conditions) = 0;
    virtual StatusOverrides& overrides() = 0;

    virtual HistoryLog& errorLog() = 0;
    // An alarm with this error code: logged, and the alarm lamp lit.
    virtual void raiseError(std::uint32_t code) = 0;

    virtual void setTimeScale(double scale) = 0;
    virtual void advanceMinutes(double minutes) = 0;
};

}  // namespace unitsim
