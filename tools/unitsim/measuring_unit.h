// The measuring and dosing unit's own requests: the measured value (RMV)
// and the data logger (DFL, DFI, CLM). Units of variant 0 predate the
// measured-value request and answer it as an unknown one.
#pragma once

#include <cstdint>

#include "tools/unitsim/logger.h"
#include "tools/unitsim/request.h"
#include "tools/unitsim/simulator.h"

namespace unitsim {

class MeasuringUnit {
  public:
    MeasuringUnit(const Config& config, std::int64_t startUs);

    Reply answer(const Request& request, const Config& config, std::int64_t nowUs);

    DataLogger& logger() { return logger_; }
    const DataLogger& logger() const { return logger_; }
    // The unit reports no temperature (-1), as without a sensor.
    void setTemperatureMissing(bool missing) { temperatureMissing_ = missing; }

  private:
    Reply measuredValueReply(int variant, std::int64_t nowUs) const;

    DataLogger logger_;
    std::int64_t startUs_;
    bool temperatureMissing_ = false;
};

}  // namespace unitsim
