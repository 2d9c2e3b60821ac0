#include "tools/unitsim/unit.h"

#include "devlink/delay.h"
#include "tools/unitsim/login_answer.h"

namespace unitsim {

Unit::Unit(const Config& config)
    : config_(config),
      softener_(config, devlink::monotonicUs()),
      osmosis_(config, devlink::monotonicUs()),
      measuring_(config, devlink::monotonicUs()) {}

ControllerUnit& Unit::controller() {
    if (config_.kind == UnitKind::Osmosis) return osmosis_;
    return softener_;
}

std::optional<Reply> Unit::answer(std::string_view telegram) {
    const auto request = parseRequest(telegram);
    if (!request) return std::nullopt;
    if (request->word != "DPI") softener_.restartParameterAnswer();
    if (request->word != "DHI") softener_.restartHistoryAnswer();
    // A garbled request is never acted on; the echo tells the program so.
    if (!request->checksumOk) return echoReply(request->word);
    return answerValid(*request);
}

Reply Unit::answerValid(const Request& request) {
    if (request.word == "CSN") return loginReply(config_, request.body);
    if (config_.kind == UnitKind::Softener) return answerSoftener(request);
    if (config_.kind == UnitKind::Osmosis)
        return osmosis_.answer(request, config_).value_or(echoReply(request.word));
    if (config_.kind == UnitKind::Measuring)
        return measuring_.answer(request, config_, devlink::monotonicUs());
    return echoReply(request.word);
}

Reply Unit::answerSoftener(const Request& request) {
    if (request.word == "DSI") return softener_.statusReply();
    if (request.word == "DPI") return softener_.parameterReply(config_.twoPartDpi);
    if (request.word == "DPS") return softener_.parameterWriteReply(request);
    if (auto reply = softener_.commandReply(request, config_.twoPartDhi)) return *reply;
    return echoReply(request.word);
}

}  // namespace unitsim
