// The reverse-osmosis unit: status (DSI), parameter read and write (DPI,
// DPS), the unit commands (SEQ, RST, SRS, SFA, STS) and the error history
// (DEI), with the plant its status area reports on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tools/unitsim/controller_unit.h"
#include "tools/unitsim/osmosis_plant.h"
#include "tools/unitsim/request.h"
#include "tools/unitsim/sim_clock.h"
#include "tools/unitsim/simulator.h"
#include "tools/unitsim/unit_clock.h"

namespace unitsim {

inline constexpr std::size_t kOsmosisStatusLength = 110;

class OsmosisUnit : public ControllerUnit {
  public:
    OsmosisUnit(const Config& config, std::int64_t startUs);

    // Nothing for a request the unit does not know.
    std::optional<Reply> answer(const Request& request, const Config& config);
    // Any other request in between starts a two-part answer over.
    void restartParameterAnswer() { secondPartNext_ = false; }

    const std::string& record() const override { return record_; }
    void setRecord(std::string record) override;
    std::string statusArea() override;
    const InjectedConditions& conditions() const override { return conditions_; }
    void setConditions(const InjectedConditions& conditions) override;
    StatusOverrides& overrides() override { return overrides_; }
    HistoryLog& errorLog() override { return errorLog_; }
    void raiseError(std::uint32_t code) override;
    void setTimeScale(double scale) override;
    void advanceMinutes(double minutes) override;

    const OsmosisPlant& plant() const { return plant_; }

  private:
    Reply statusReply();
    Reply parameterReply(bool twoParts);
    Reply parameterWriteReply(const Request& request);
    Reply recordReply(const std::string& head, std::size_t from, std::size_t length,
                      bool last) const;
    Reply command(const Request& request);
    void seedLog();
    void logError(std::uint32_t code);
    void catchUp();

    bool longForm_;
    std::string record_;
    std::string shortFormLanguage_ =
        "00";  // a short-form unit reports its language behind the record
    SimClock clock_;
    OsmosisPlant plant_;
    InjectedConditions conditions_;
    StatusOverrides overrides_{kOsmosisStatusLength};
    HistoryLog errorLog_;
    UnitClock unitClock_;
    bool secondPartNext_ = false;
};

}  // namespace unitsim
