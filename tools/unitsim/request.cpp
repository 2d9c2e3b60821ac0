#include "tools/unitsim/request.h"

#include "devlink/telegram.h"

namespace unitsim {

namespace {

constexpr std::size_t kWordLength = 3;
constexpr std::size_t kTrailerLength = 3;  // checksum and end byte

bool startsWithCommandWord(std::string_view telegram) {
    if (telegram.size() <= kWordLength || telegram[kWordLength] != '|') return false;
    for (std::size_t i = 0; i < kWordLength; ++i)
        if (telegram[i] < 'A' || telegram[i] > 'Z') return false;
    return true;
}

}  // namespace

std::optional<Request> parseRequest(std::string_view telegram) {
    if (!startsWithCommandWord(telegram)) return std::nullopt;
    Request request;
    request.word = std::string(telegram.substr(0, kWordLength));
    if (telegram.size() < kWordLength + 1 + kTrailerLength) return request;
    const std::size_t summed = telegram.size() - kTrailerLength;
    const auto sum = devlink::checksum(telegram, summed);
    request.checksumOk = telegram[summed] == sum[0] && telegram[summed + 1] == sum[1];
    request.body = std::string(telegram.substr(kWordLength + 1, summed - kWordLength - 1));
    return request;
}

}  // namespace unitsim
