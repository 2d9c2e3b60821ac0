#include "controller/unit_record.h"

namespace controller {

namespace {

constexpr std::size_t kAnswerHead = 4;  // "DPI|"

// An answer too short to hold its head and closing characters holds no record.
std::string middle(const std::string& answer, std::size_t cut) {
    if (answer.size() < kAnswerHead + cut) return {};
    return answer.substr(kAnswerHead, answer.size() - kAnswerHead - cut);
}

}  // namespace

bool UnitRecord::takeFirstAnswer(const std::string& answer) {
    longForm_ = answer.size() == form_.longAnswerLength;
    text_ = middle(answer, form_.firstAnswerCut);
    return !answer.empty() && answer[0] == ' ';
}

void UnitRecord::takeSecondAnswer(const std::string& answer, std::size_t cut) {
    text_ += middle(answer, cut);
}

}  // namespace controller
