#include "measuring/logger_clear.h"

#include "measuring/logger_size.h"

namespace measuring {

void ClearLogger(OperationContext& context) {
    RestStateOnExit restState(context.ui);
    const auto size = askLoggerSize(context, devlink::LoginIntent::Write, 3, EmptyLogger::NoBytes);
    if (!size) return;
    if (!context.ui.ask("Sollen die " + std::to_string(size->records) + " Datens\u00E4tze " +
                            "gel\u00F6scht werden?",
                        UiIcon::None))
        return;
    devlink::AnswerBuffer answer{};
    if (!context.link.exchange("CLM|", "CLM", true, answer)) return;
    context.ui.tell("Messdaten aus Datenlogger gel\u00F6scht!",
                    devlink::MessageCaption::ProgramCaption, UiIcon::None);
}

}  // namespace measuring
