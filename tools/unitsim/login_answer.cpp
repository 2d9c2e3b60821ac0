#include "tools/unitsim/login_answer.h"

namespace unitsim {

namespace {

char digit(int value) {
    return static_cast<char>('0' + value);
}

bool answersWithVariant(const Config& unit) {
    return unit.kind == UnitKind::Measuring && unit.variant >= 1 && unit.variant <= 6;
}

}  // namespace

Reply loginReply(const Config& unit, const std::string& requestBody) {
    const std::string serial = requestBody.substr(0, requestBody.find('|'));
    if (serial != unit.serialNumber || requestBody != serial + "|") return Reply{"CSN|CF|"};
    std::string answer = "CSN|";
    if (answersWithVariant(unit)) answer += digit(unit.variant);
    answer += digit(unit.level);
    return Reply{answer + "|"};
}

}  // namespace unitsim
