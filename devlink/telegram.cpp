#include "devlink/telegram.h"

#include <cstring>

namespace devlink {

namespace {
constexpr char kHexDigits[] = "0123456789ABCDEF";
}

std::array<char, 2> checksum(std::string_view text, std::size_t n) {
    unsigned sum = 0;
    const std::size_t count = n < text.size() ? n : text.size();
    for (std::size_t i = 0; i < count; ++i) sum += static_cast<unsigned char>(text[i]);
    sum &= 0xFF;
    return {kHexDigits[sum >> 4], kHexDigits[sum & 0x0F]};
}

std::string frameRequest(std::string_view request) {
    const auto sum = checksum(request, request.size());
    std::string framed(request);
    framed.push_back(sum[0]);
    framed.push_back(sum[1]);
    framed.push_back(kEndByte);
    return framed;
}

std::size_t answerLength(const AnswerBuffer& answer) {
    return strnlen(answer.data(), answer.size());
}

bool verifyAnswer(const char* answer) {
    const std::size_t length = std::strlen(answer);
    // The reader stops at the first end byte, so an answer that does not end
    // in one here was cut short by a zero byte inside it (a line break reads
    // as zeros): the checksum would not cover what came, and the byte taken
    // for the end byte would be any byte.
    if (length < 3 || answer[length - 1] != kEndByte) return false;
    const std::size_t summed = length - 3;
    const auto sum = checksum(std::string_view(answer, summed), summed);
    return answer[summed] == sum[0] && answer[summed + 1] == sum[1];
}

bool isChecksumEcho(const char* answer, std::string_view commandWord) {
    const std::string echo = checksumEcho(commandWord);
    return std::strlen(answer) >= echo.size() && std::memcmp(answer, echo.data(), echo.size()) == 0;
}

std::string checksumEcho(std::string_view commandWord) {
    std::string word(commandWord);
    word.push_back('|');
    return frameRequest(word);
}

}  // namespace devlink
