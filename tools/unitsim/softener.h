// The softener's own requests: status (DSI), parameter read (DPI) and
// parameter write (DPS), with the plant the status area reports on.
#pragma once

#include <cstdint>
#include <string>

#include "tools/unitsim/injected_conditions.h"
#include "tools/unitsim/request.h"
#include "tools/unitsim/sim_clock.h"
#include "tools/unitsim/simulator.h"
#include "tools/unitsim/softener_plant.h"
#include "tools/unitsim/status_overrides.h"

namespace unitsim {

class Softener {
  public:
    Softener(const Config& config, std::int64_t startUs);

    Reply statusReply();
    // twoParts: the record goes out in two answers, the first starting with
    // a blank; the program asks twice.
    Reply parameterReply(bool twoParts);
    Reply parameterWriteReply(const Request& request);
    // Any other request in between starts the two-part answer over.
    void restartParameterAnswer() { secondPartNext_ = false; }

    // The plant runs up to now first.
    std::string statusArea();
    const std::string& record() const { return record_; }
    void setRecord(std::string record);
    bool setPlantType(int type);

    void setTimeScale(double scale);
    double timeScale() const { return clock_.scale(); }
    void advanceMinutes(double minutes);
    const InjectedConditions& conditions() const { return conditions_; }
    void setConditions(const InjectedConditions& conditions);
    StatusOverrides& overrides() { return overrides_; }

  private:
    Reply recordReply(const std::string& head, std::size_t from, std::size_t length) const;
    void catchUp();
    void run(double seconds);
    void recordChanged();

    std::string record_;
    SimClock clock_;
    SoftenerPlant plant_;
    InjectedConditions conditions_;
    StatusOverrides overrides_;
    bool secondPartNext_ = false;
};

}  // namespace unitsim
