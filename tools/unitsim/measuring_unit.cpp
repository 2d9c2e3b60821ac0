#include "tools/unitsim/measuring_unit.h"

#include <cmath>
#include <numbers>

#include "devlink/fields.h"

namespace unitsim {

namespace {

// Typical value of each variant's quantity and how far it moves.
struct Quantity {
    double base;
    double swing;
};

Quantity quantityOf(int variant) {
    switch (variant) {
        case 1:
            return {850.0, 25.0};  // conductivity, µS/cm
        case 2:
            return {7.2, 0.15};  // pH
        case 3:
            return {650.0, 15.0};  // redox, mV
        case 5:
            return {0.20, 0.04};  // ozone, mg/l
        default:
            return {0.35, 0.05};  // chlorine and chlorine dioxide, mg/l
    }
}

}  // namespace

MeasuringUnit::MeasuringUnit(const Config& config, std::int64_t startUs) : startUs_(startUs) {
    logger_.fill(config.loggerRecords, config.variant);
}

Reply MeasuringUnit::answer(const Request& request, const Config& config, std::int64_t nowUs) {
    if (request.word != "DFI") logger_.restart();
    if (request.word == "RMV" && config.variant >= 1 && config.variant <= 6)
        return measuredValueReply(config.variant, nowUs);
    if (request.word == "DFL") return logger_.countReply();
    if (request.word == "DFI") return logger_.blockReply();
    if (request.word == "CLM") {
        logger_.clear();
        return Reply{"CLM|00|"};
    }
    return echoReply(request.word);
}

// The value moves on a one-minute wave, the temperature on a ten-minute one.
Reply MeasuringUnit::measuredValueReply(int variant, std::int64_t nowUs) const {
    const double seconds = static_cast<double>(nowUs - startUs_) / 1e6;
    const Quantity quantity = quantityOf(variant);
    const double value =
        quantity.base + quantity.swing * std::sin(2.0 * std::numbers::pi * seconds / 60.0);
    const double temperature =
        temperatureMissing_ ? -1.0
                            : 18.5 + 1.5 * std::sin(2.0 * std::numbers::pi * seconds / 600.0);
    return Reply{"RMV|0000" + devlink::encodeFloat(value) + devlink::encodeFloat(temperature) +
                 "|"};
}

}  // namespace unitsim
