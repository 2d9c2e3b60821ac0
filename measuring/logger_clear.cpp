#include "measuring/logger_clear.h"

#include "measuring/logger_size.h"

namespace measuring {

bool ClearLogger(OperationContext& context) {
    RestStateOnExit restState(context.ui);
    const auto size = askLoggerSize(context, devlink::LoginIntent::Write, 3, EmptyLogger::NoBytes);
    if (!size) return false;
    if (!context.ui.ask("Sollen die " + std::to_string(size->records) + " Datens\u00E4tze " +
                            "gel\u00F6scht werden?",
                        UiIcon::None))
        return false;
    devlink::AnswerBuffer answer{};
    if (!context.link.exchange("CLM|", "CLM", true, answer)) return false;
    context.ui.tell("Messdaten aus Datenlogger gel\u00F6scht!",
                    devlink::MessageCaption::ProgramCaption, UiIcon::None);
    return true;
}

}  // namespace measuring
