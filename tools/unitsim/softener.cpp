#include "tools/unitsim/softener.h"

#include <ctime>

#include "devlink/delay.h"
#include "tools/unitsim/parameter_record.h"

namespace unitsim {

Softener::Softener(bool longForm, std::int64_t startUs)
    : status_(startUs), record_(defaultParameterRecord(longForm)) {}

std::string Softener::statusArea() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return status_.at(devlink::monotonicUs(), local);
}

Reply Softener::statusReply() const {
    const std::string head = "DSI|";
    return Reply{head + statusArea() + "|", static_cast<int>(head.size() + kStatusSpareOffset)};
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
    return Reply{"DPS|CF|"};
}

}  // namespace unitsim
