// The faults of the fault matrix and what the operator reads for each:
// every exchange of a program meets silence, a wrong checksum, the checksum
// echo, an overflow, an endless stream, a byte every 5.5 s, a device that
// vanishes mid-answer and a modem line that drops.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>

#include "skipping_clock.h"

#include "tools/unitsim/simulator.h"

namespace testsupport {

using unitsim::Fault;

inline constexpr Fault kMatrixFaults[] = {
    Fault::Silence,       Fault::WrongChecksum, Fault::ChecksumEcho, Fault::Overlong,
    Fault::EndlessStream, Fault::SlowBytes,     Fault::Vanish,       Fault::CarrierLoss};

inline const char* faultName(Fault fault) {
    switch (fault) {
        case Fault::Silence:
            return "Silence";
        case Fault::WrongChecksum:
            return "WrongChecksum";
        case Fault::ChecksumEcho:
            return "ChecksumEcho";
        case Fault::Overlong:
            return "Overflow";
        case Fault::EndlessStream:
            return "EndlessStream";
        case Fault::SlowBytes:
            return "SlowBytes";
        case Fault::Vanish:
            return "Vanish";
        case Fault::CarrierLoss:
            return "CarrierLoss";
        default:
            return "Other";
    }
}

// What the operator reads (empty: the exchange succeeds) and at most how
// long the operation may take.
struct MatrixOutcome {
    std::string message;
    std::int64_t atMostMs;
};

// label: as the checksum messages name the exchange ("DSI", "DPS "); unit:
// "Aquendor®" or "Vantiqo"; transmissionError: "COM2: transmission error".
inline MatrixOutcome matrixOutcome(Fault fault, const std::string& label, const std::string& unit,
                                   const std::string& transmissionError) {
    switch (fault) {
        case Fault::Silence:
        case Fault::CarrierLoss:
            return {transmissionError, 7500};  // the 6 s read timeout
        case Fault::Vanish:
            return {transmissionError, 3000};
        case Fault::WrongChecksum:
            return {label + ": checksum error, error in transmission (" + unit + " -> PC)", 3000};
        case Fault::ChecksumEcho:
            return {label + ": checksum error, error in transmission (PC -> " + unit + ")", 3000};
        case Fault::Overlong:
        case Fault::EndlessStream:
            return {"buffer overflow", 3000};
        default:
            return {"", 14000};  // two bytes 5.5 s apart, then the rest
    }
}

// "DSI_Silence" for the test names.
template <typename Exchanges>
std::string matrixName(const Exchanges& exchanges,
                       const testing::TestParamInfo<std::tuple<int, Fault>>& info) {
    std::string label = exchanges[std::get<0>(info.param)].label;
    while (!label.empty() && label.back() == ' ') label.pop_back();
    return label + "_" + faultName(std::get<1>(info.param));
}

// The cells of a program's matrix: every exchange of its table against
// every fault. A fixture takes its exchange and fault from here, and the
// instantiation its cells and their names.
template <const auto& exchanges>
class MatrixCell : public testing::WithParamInterface<std::tuple<int, Fault>> {
  public:
    static auto cells() {
        return testing::Combine(testing::Range(0, static_cast<int>(std::size(exchanges))),
                                testing::ValuesIn(kMatrixFaults));
    }
    static std::string name(const testing::TestParamInfo<std::tuple<int, Fault>>& info) {
        return matrixName(exchanges, info);
    }

  protected:
    const auto& exchange() const { return exchanges[std::get<0>(this->GetParam())]; }
    Fault fault() const { return std::get<1>(this->GetParam()); }
    bool overModem() const { return fault() == Fault::CarrierLoss; }

    // The first exchange of a program meets every fault on the real clock;
    // the others on a clock that skips the waits in which nothing happens.
    // Before the simulator starts.
    void startClock() {
        if (std::get<0>(this->GetParam()) != 0) clock_.emplace();
    }
    // A device plugged in again: nothing is under way on the new line.
    void newLine() {
        if (clock_) devlink::enableClockSkipping(true);
    }

  private:
    std::optional<SkippingClock> clock_;
};

}  // namespace testsupport
