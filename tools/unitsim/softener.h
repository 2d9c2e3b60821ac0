// The softener's own requests: status (DSI), parameter read (DPI) and
// parameter write (DPS), with the plant the status area reports on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tools/unitsim/controller_unit.h"
#include "tools/unitsim/history_log.h"
#include "tools/unitsim/injected_conditions.h"
#include "tools/unitsim/request.h"
#include "tools/unitsim/sim_clock.h"
#include "tools/unitsim/simulator.h"
#include "tools/unitsim/softener_plant.h"
#include "tools/unitsim/status_overrides.h"
#include "tools/unitsim/unit_clock.h"

namespace unitsim {

class Softener : public ControllerUnit {
  public:
    Softener(const Config& config, std::int64_t startUs);

    Reply statusReply();
    // twoParts: the record goes out in two answers, the first starting with
    // a blank; the program asks twice.
    Reply parameterReply(bool twoParts);
    Reply parameterWriteReply(const Request& request);
    // Any other request in between starts the two-part answer over.
    void restartParameterAnswer() { secondPartNext_ = false; }
    void restartHistoryAnswer() { historySecondPartNext_ = false; }

    // The unit commands and the two logs (softener_commands.cpp): nothing
    // for a request that is none of them. twoPartHistory: the status
    // history goes out in two answers, the first starting with a blank.
    std::optional<Reply> commandReply(const Request& request, bool twoPartHistory);
    HistoryLog& statusLog() { return statusLog_; }
    HistoryLog& errorLog() override { return errorLog_; }
    // An alarm with this error code: logged, and the alarm lamp lit.
    void raiseError(std::uint32_t code) override;

    // The plant runs up to now first.
    std::string statusArea() override;
    const std::string& record() const override { return record_; }
    void setRecord(std::string record) override;
    bool setPlantType(int type);

    void setTimeScale(double scale) override;
    double timeScale() const { return clock_.scale(); }
    void advanceMinutes(double minutes) override;
    const InjectedConditions& conditions() const override { return conditions_; }
    void setConditions(const InjectedConditions& conditions) override;
    StatusOverrides& overrides() override { return overrides_; }

  private:
    Reply recordReply(const std::string& head, std::size_t from, std::size_t length) const;
    void seedLogs();
    void logPlantEvents();
    void logError(std::uint32_t code);
    void logConditionChanges(const InjectedConditions& before);
    Reply operate(const Request& request, bool (SoftenerPlant::*operation)());
    Reply setClock(const Request& request);
    Reply resetUnit(const Request& request);
    Reply statusHistoryReply(bool twoParts);
    void catchUp();
    void run(double seconds);
    void recordChanged();

    std::string record_;
    SimClock clock_;
    SoftenerPlant plant_;
    InjectedConditions conditions_;
    StatusOverrides overrides_;
    bool secondPartNext_ = false;
    HistoryLog statusLog_;
    HistoryLog errorLog_;
    UnitClock unitClock_;
    bool historySecondPartNext_ = false;
};

}  // namespace unitsim
