#include "tools/unitsim/softener.h"

#include "devlink/delay.h"
#include "devlink/fields.h"
#include "tools/unitsim/parameter_record.h"
#include "tools/unitsim/status_area.h"

namespace unitsim {

namespace {

std::string factoryRecord(const Config& config) {
    std::string record = defaultParameterRecord(config.longForm);
    if (isPlantType(config.plantType))
        devlink::putField(record, kPlantTypeOffset,
                          devlink::encodeByte(static_cast<std::uint32_t>(config.plantType)));
    return record;
}

double validScale(double scale) {
    return scale > 0.0 ? scale : 0.0;
}

}  // namespace

Softener::Softener(const Config& config, std::int64_t startUs)
    : record_(factoryRecord(config)),
      clock_(validScale(config.timeScale), startUs),
      plant_(PlantSettings::fromRecord(record_)),
      statusLog_(true, config.longForm ? 20 : 10),
      errorLog_(false, 20) {
    seedLogs();
}

std::string Softener::statusArea() {
    catchUp();
    std::string area = composeStatusArea(plant_, conditions_, unitClock_.now());
    overrides_.applyTo(area);
    return area;
}

Reply Softener::statusReply() {
    const std::string head = "DSI|";
    return Reply{head + statusArea() + "|", static_cast<int>(head.size() + kStatusSpareOffset)};
}

void Softener::setRecord(std::string record) {
    record_ = std::move(record);
    recordChanged();
}

bool Softener::setPlantType(int type) {
    if (!isPlantType(type)) return false;
    devlink::putField(record_, kPlantTypeOffset,
                      devlink::encodeByte(static_cast<std::uint32_t>(type)));
    recordChanged();
    return true;
}

// The plant runs on its old settings up to the moment of the change, which
// the record itself has already taken.
void Softener::recordChanged() {
    catchUp();
    plant_.configure(PlantSettings::fromRecord(record_));
}

void Softener::setTimeScale(double scale) {
    catchUp();
    clock_.setScale(validScale(scale), devlink::monotonicUs());
}

void Softener::advanceMinutes(double minutes) {
    catchUp();
    if (minutes > 0.0) run(minutes * 60.0);
}

// Up to now the plant ran under the old conditions.
void Softener::setConditions(const InjectedConditions& conditions) {
    catchUp();
    const InjectedConditions before = conditions_;
    conditions_ = conditions;
    logConditionChanges(before);
}

void Softener::catchUp() {
    run(clock_.take(devlink::monotonicUs()));
}

// With the stop input closed the plant stands still.
void Softener::run(double seconds) {
    if (!conditions_.stop) plant_.run(seconds);
    logPlantEvents();
}

Reply Softener::parameterReply(bool twoParts) {
    if (!twoParts) return recordReply("DPI|", 0, record_.size());
    const std::size_t half = record_.size() / 2;
    secondPartNext_ = !secondPartNext_;
    if (secondPartNext_) return recordReply(" PI|", 0, half);
    return recordReply("DPI|", half, record_.size() - half);
}

Reply Softener::recordReply(const std::string& head, std::size_t from, std::size_t length) const {
    Reply reply;
    reply.text = head + record_.substr(from, length) + "|00|";
    // The two digits behind the record mean nothing to the program.
    reply.spare = static_cast<int>(head.size() + length + 1);
    return reply;
}

Reply Softener::parameterWriteReply(const Request& request) {
    const std::string& body = request.body;
    if (body.empty() || body.back() != '|' ||
        !writeParameterRecord(record_, std::string_view(body).substr(0, body.size() - 1)))
        return echoReply(request.word);
    recordChanged();
    return Reply{"DPS|CF|"};
}

}  // namespace unitsim
