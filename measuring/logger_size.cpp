#include "measuring/logger_size.h"

#include "measuring/logger_record.h"

namespace measuring {

std::optional<LoggerSize> askLoggerSize(OperationContext& context, devlink::LoginIntent intent,
                                        int leastResult, EmptyLogger empty) {
    const int result = context.login.login(context.link, intent);
    // 4 (wrong serial number) is no level at all.
    if (result < leastResult || result > 3) return std::nullopt;
    devlink::AnswerBuffer answer{};
    if (!context.link.exchange("DFL|", "DFL", true, answer)) return std::nullopt;
    LoggerSize size;
    size.bytes = decodeByteCount(std::string_view(answer.data(), devlink::answerLength(answer)));
    size.records = size.bytes / kRecordBytes;
    if (size.bytes == 0 || (empty == EmptyLogger::BelowOneRecord && size.records == 0)) {
        context.ui.tell("Messwertspeicher ist leer !", devlink::MessageCaption::ProgramCaption,
                        UiIcon::None);
        return std::nullopt;
    }
    return size;
}

}  // namespace measuring
