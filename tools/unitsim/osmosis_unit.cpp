#include "tools/unitsim/osmosis_unit.h"

#include "devlink/delay.h"
#include "devlink/fields.h"
#include "tools/unitsim/osmosis_record.h"
#include "tools/unitsim/parameter_record.h"

namespace unitsim {

namespace {

// Error codes the unit logs; they are the bits of its SMS alarm flags.
constexpr std::uint32_t kPowerFailure = 1;
constexpr std::uint32_t kPermeateMax = 2;
constexpr std::uint32_t kLowWaterPressure = 32;

using devlink::encodeByte;
using devlink::encodeFloat;
using devlink::putField;

std::uint32_t bit(bool on, int position) {
    return on ? 1u << position : 0u;
}

double validScale(double scale) {
    return scale > 0.0 ? scale : 0.0;
}

// PU1, PU2, inlet valve, permeate valve, flush valve, bypass, relay "PR", alarm.
std::uint32_t outputBits(const OsmosisPlant& plant, bool relay, bool alarm) {
    return bit(plant.pumpRuns(1), 7) | bit(plant.pumpRuns(2), 6) | bit(plant.inletValveOpen(), 5) |
           bit(plant.permeateValveOpen(), 4) | bit(plant.flushValveOpen(), 3) | bit(relay, 1) |
           bit(alarm, 0);
}

// Inlet valve, pumps, permeate valve, flush valve, bypass, water drawn,
// conductivity above its limit, alarm.
std::uint32_t functionBits(const OsmosisPlant& plant, bool alarm) {
    return bit(plant.inletValveOpen(), 0) | bit(plant.pumping(), 1) |
           bit(plant.permeateValveOpen(), 2) | bit(plant.flushValveOpen(), 3) |
           bit(plant.state() == OsmosisState::Production, 5) | bit(plant.conductivityTooHigh(), 6) |
           bit(alarm, 7);
}

// Low-pressure switch (water there), tank levels high and low, stop input.
std::uint32_t inputBits(const OsmosisPlant& plant, const InjectedConditions& conditions) {
    return bit(plant.pumping(), 0) | bit(true, 1) | bit(plant.tankFull(), 3) |
           bit(plant.tankAboveLow(), 4) | bit(conditions.stop, 6);
}

// The relay "PR" follows the conditions its bits choose.
bool relayOn(const OsmosisPlant& plant, int relayBits) {
    const OsmosisState state = plant.state();
    return ((relayBits & 1) && plant.conductivityTooHigh()) ||
           ((relayBits & 2) && !plant.tankAboveLow()) ||
           ((relayBits & 4) && state == OsmosisState::Production) ||
           ((relayBits & 8) && (state == OsmosisState::Stopped || state == OsmosisState::Standby));
}

Reply confirmation(const std::string& word) {
    return Reply{word + "|CF|"};
}

}  // namespace

OsmosisUnit::OsmosisUnit(const Config& config, std::int64_t startUs)
    : longForm_(config.longForm),
      record_(defaultOsmosisRecord(config.longForm)),
      clock_(validScale(config.timeScale), startUs),
      plant_(OsmosisSettings::fromRecord(record_)),
      errorLog_(false, 20) {
    seedLog();
}

// A unit fresh from the field has the alarms of a few normal weeks.
void OsmosisUnit::seedLog() {
    errorLog_.add({kPowerFailure, 0.0, daysBefore(unitClock_, 16, 6, 58)});
    errorLog_.add({kLowWaterPressure, 0.0, daysBefore(unitClock_, 9, 11, 4)});
    errorLog_.add({kPermeateMax, 0.0, daysBefore(unitClock_, 4, 17, 31)});
}

void OsmosisUnit::catchUp() {
    plant_.run(clock_.take(devlink::monotonicUs()), conditions_.stop);
}

std::string OsmosisUnit::statusArea() {
    catchUp();
    const std::tm now = unitClock_.now();
    std::string area(kOsmosisStatusLength, '0');
    putField(area, 0, encodeFloat(plant_.permeateConductivity()));
    putField(area, 8, encodeFloat(plant_.temperature()));
    putField(area, 16, encodeFloat(plant_.rawConductivity()));
    putField(area, 24, encodeFloat(0.98765));  // calibration factor of the conductivity cell
    putField(area, 40, encodeFloat(plant_.pressure()));
    putField(area, 48, encodeFloat(plant_.permeateCubicMetres()));
    putField(area, 56, encodeFloat(plant_.concentrateCubicMetres()));
    putField(area, 64, devlink::encodeWord32(plant_.operationHours()));
    putField(area, 84, encodeByte(static_cast<std::uint32_t>(now.tm_hour)));
    putField(area, 86, encodeByte(static_cast<std::uint32_t>(now.tm_min)));
    putField(area, 88, encodeByte(static_cast<std::uint32_t>(now.tm_sec)));
    putField(area, 90, encodeByte(static_cast<std::uint32_t>(now.tm_mday)));
    putField(area, 92, encodeByte(static_cast<std::uint32_t>(now.tm_mon + 1)));
    putField(area, 94, encodeByte(static_cast<std::uint32_t>(now.tm_year % 100)));
    putField(area, 96, encodeByte(static_cast<std::uint32_t>(plant_.state())));
    const bool relay = relayOn(plant_, devlink::decodeByte(record_, 150));
    putField(area, 98, encodeByte(outputBits(plant_, relay, conditions_.alarm)));
    putField(area, 100, encodeByte(functionBits(plant_, conditions_.alarm)));
    putField(area, 102, encodeByte(inputBits(plant_, conditions_)));
    putField(area, 104, encodeByte(bit(conditions_.alarm, 7)));
    overrides_.applyTo(area);
    return area;
}

void OsmosisUnit::setRecord(std::string record) {
    catchUp();
    record_ = std::move(record);
    plant_.configure(OsmosisSettings::fromRecord(record_));
}

void OsmosisUnit::setConditions(const InjectedConditions& conditions) {
    catchUp();
    if (conditions.alarm && !conditions_.alarm) logError(kPermeateMax);
    conditions_ = conditions;
}

void OsmosisUnit::raiseError(std::uint32_t code) {
    catchUp();
    conditions_.alarm = true;
    logError(code);
}

void OsmosisUnit::logError(std::uint32_t code) {
    errorLog_.add({code, 0.0, unitClock_.now()});
}

void OsmosisUnit::setTimeScale(double scale) {
    catchUp();
    clock_.setScale(validScale(scale), devlink::monotonicUs());
}

void OsmosisUnit::advanceMinutes(double minutes) {
    catchUp();
    if (minutes > 0.0) plant_.run(minutes * 60.0, conditions_.stop);
}

std::optional<Reply> OsmosisUnit::answer(const Request& request, const Config& config) {
    if (request.word != "DPI") restartParameterAnswer();
    if (request.word == "DSI") return statusReply();
    if (request.word == "DPI") return parameterReply(config.twoPartDpi);
    if (request.word == "DPS") return parameterWriteReply(request);
    if (request.word == "DEI") {
        const std::string area = errorLog_.area();
        // The two digits behind the log mean nothing to the program.
        return Reply{"DEI|" + area + "|00|", static_cast<int>(4 + area.size() + 1)};
    }
    for (const char* word : {"SEQ", "RST", "SRS", "SFA", "STS"})
        if (request.word == word) return command(request);
    return std::nullopt;
}

Reply OsmosisUnit::statusReply() {
    const std::string head = "DSI|";
    // Offsets 106 to 109 carry nothing.
    return Reply{head + statusArea() + "|", static_cast<int>(head.size() + 106)};
}

// The record, then three characters the program keeps with it but never
// reads: a short-form unit reports its language there, a long-form unit
// three zeros. Two parts split the record; the second part ends as one answer would.
Reply OsmosisUnit::parameterReply(bool twoParts) {
    if (!twoParts) return recordReply("DPI|", 0, record_.size(), true);
    const std::size_t half = record_.size() / 2;
    secondPartNext_ = !secondPartNext_;
    if (secondPartNext_) return recordReply(" PI|", 0, half, false);
    return recordReply("DPI|", half, record_.size() - half, true);
}

Reply OsmosisUnit::recordReply(const std::string& head, std::size_t from, std::size_t length,
                               bool last) const {
    Reply reply{head + record_.substr(from, length)};
    if (last) {
        if (longForm_) reply.spare = static_cast<int>(reply.text.size()) + 1;
        reply.text += longForm_ ? "000" : shortFormLanguage_ + "0";
    }
    reply.text += "|";
    return reply;
}

// A short-form unit takes the short form only; the long form takes both.
Reply OsmosisUnit::parameterWriteReply(const Request& request) {
    const std::string& body = request.body;
    if (body.empty() || body.back() != '|' ||
        !writeParameterRecord(record_, std::string_view(body).substr(0, body.size() - 1),
                              kOsmosisShortRecord, kOsmosisLongRecord))
        return echoReply(request.word);
    setRecord(record_);
    return confirmation(request.word);
}

// The unit takes every command; a plant that cannot follow (a flush while
// stopped) simply does not.
Reply OsmosisUnit::command(const Request& request) {
    catchUp();
    const std::string& word = request.word;
    if (word == "SEQ") {
        conditions_.alarm = false;
    } else if (word == "SRS") {
        plant_.startStop();
    } else if (word == "SFA") {
        plant_.flush();
    } else if (word == "STS") {
        if (!unitClock_.setFromRequest(request.body)) return echoReply(word);
    } else if (word == "RST") {
        // The controller starts again: the alarm is gone and the restart
        // is logged like the return of the power.
        conditions_.alarm = false;
        logError(kPowerFailure);
    }
    return confirmation(word);
}

}  // namespace unitsim
