// The softener's unit commands (SEQ, SRS, SRF, SFA, STS, RST) and its two
// logs (DHI, DEI): what each command does to the plant, the alarm and the
// clock, and what the unit writes into its logs.
#include <cmath>

#include "tools/unitsim/softener.h"

namespace unitsim {

namespace {

// Error codes the unit logs.
constexpr std::uint32_t kPowerFailure = 1;
constexpr std::uint32_t kValveFilter1 = 2;
constexpr std::uint32_t kChemicalsLow = 32;
constexpr std::uint32_t kRegenerationStop = 128;

// Status codes: automatic regeneration of filter 1 or 2 (1, 2), manual
// regeneration (8, 16) and the manual filter change F1 -> F2 or F2 -> F1.
std::uint32_t statusCode(const PlantEvent& event) {
    switch (event.kind) {
        case PlantEvent::AutomaticRegeneration:
            return 1u << event.filter;
        case PlantEvent::ManualRegeneration:
            return 8u << event.filter;
        case PlantEvent::FilterChange:
            return 512u << event.filter;
    }
    return 0;
}

// The answer that tells the program a command was taken.
Reply confirmation(const std::string& word) {
    return Reply{word + "|CF|"};
}

Reply areaReply(const std::string& head, const std::string& area) {
    // The two digits behind the log mean nothing to the program.
    return Reply{head + area + "|00|", static_cast<int>(head.size() + area.size() + 1)};
}

}  // namespace

// A unit fresh from the field has a few weeks of history: regenerations
// every few days, one started by hand, and the alarms of a normal plant.
void Softener::seedLogs() {
    const bool twoFilters = plant_.settings().twoFilters();
    const double cycleLitres = plant_.settings().capacity / plant_.settings().hardness * 1000.0;
    struct Seed {
        int days, hour, minute;
        std::uint32_t code;
        double share;
    };
    const Seed statusSeeds[] = {
        {13, 2, 0, 1, 0.99},  {10, 2, 0, twoFilters ? 2u : 1u, 1.0},
        {8, 14, 35, 8, 0.42}, {5, 2, 0, twoFilters ? 2u : 1u, 0.98},
        {2, 2, 0, 1, 1.0},
    };
    for (const Seed& seed : statusSeeds)
        statusLog_.add({seed.code, std::round(cycleLitres * seed.share),
                        daysBefore(unitClock_, seed.days, seed.hour, seed.minute)});
    if (plant_.settings().type == PlantType::ChangeOver)
        statusLog_.add({512, std::round(cycleLitres * 0.3), daysBefore(unitClock_, 1, 9, 12)});
    errorLog_.add({kPowerFailure, 0.0, daysBefore(unitClock_, 12, 7, 12)});
    errorLog_.add({kChemicalsLow, 0.0, daysBefore(unitClock_, 8, 14, 20)});
    errorLog_.add({kRegenerationStop, 0.0, daysBefore(unitClock_, 3, 9, 45)});
}

// Each event carries its moment in simulated time; the unit's clock puts it
// that long before now.
void Softener::logPlantEvents() {
    for (const PlantEvent& event : plant_.takeEvents()) {
        const double ago = plant_.simulatedSeconds() - event.atSeconds;
        statusLog_.add({statusCode(event), std::round(event.litres), unitClock_.now(ago)});
    }
}

void Softener::logError(std::uint32_t code) {
    errorLog_.add({code, 0.0, unitClock_.now()});
}

void Softener::logConditionChanges(const InjectedConditions& before) {
    if (conditions_.alarm && !before.alarm) logError(kValveFilter1);
    if (conditions_.chemicalsLow && !before.chemicalsLow) logError(kChemicalsLow);
    if (conditions_.stop && !before.stop) logError(kRegenerationStop);
}

void Softener::raiseError(std::uint32_t code) {
    catchUp();
    conditions_.alarm = true;
    logError(code);
}

std::optional<Reply> Softener::commandReply(const Request& request, bool twoPartHistory) {
    const std::string& word = request.word;
    if (word == "SEQ") {
        catchUp();
        conditions_.alarm = false;  // acknowledged; a lasting cause stays on its own lamp
        return confirmation(word);
    }
    if (word == "SRS") return operate(request, &SoftenerPlant::startStopRegeneration);
    if (word == "SRF") return operate(request, &SoftenerPlant::regenerateReserveFilter);
    if (word == "SFA") return operate(request, &SoftenerPlant::changeFilters);
    if (word == "STS") return setClock(request);
    if (word == "RST") return resetUnit(request);
    if (word == "DHI") return statusHistoryReply(twoPartHistory);
    if (word == "DEI") return areaReply("DEI|", errorLog_.area());
    return std::nullopt;
}

// The unit takes the command even when the plant cannot follow it (no
// reserve filter, a change-over with none standing by).
Reply Softener::operate(const Request& request, bool (SoftenerPlant::*operation)()) {
    catchUp();
    (plant_.*operation)();
    logPlantEvents();
    return confirmation(request.word);
}

Reply Softener::setClock(const Request& request) {
    if (!unitClock_.setFromRequest(request.body)) return echoReply(request.word);
    return confirmation(request.word);
}

// The controller starts again: the alarm is gone and the restart is logged
// like the return of the power.
Reply Softener::resetUnit(const Request& request) {
    catchUp();
    conditions_.alarm = false;
    logError(kPowerFailure);
    return confirmation(request.word);
}

Reply Softener::statusHistoryReply(bool twoParts) {
    const std::string area = statusLog_.area();
    if (!twoParts) return areaReply("DHI|", area);
    const std::size_t half = area.size() / 2;
    historySecondPartNext_ = !historySecondPartNext_;
    if (historySecondPartNext_) return areaReply(" HI|", area.substr(0, half));
    return areaReply("DHI|", area.substr(half));
}

}  // namespace unitsim
