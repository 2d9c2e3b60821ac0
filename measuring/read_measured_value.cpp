#include "measuring/read_measured_value.h"

#include "measuring/measured_value.h"

namespace measuring {

namespace {

bool loginGrantsReading(int result) {
    return result == 2 || result == 3;
}

}  // namespace

std::optional<MeasuredValue> ReadMeasuredValue(OperationContext& context) {
    RestStateOnExit restState(context.ui);
    if (!loginGrantsReading(context.login.login(context.link, devlink::LoginIntent::QuietRead)))
        return std::nullopt;
    if (context.login.deviceType() == '0') {
        context.ui.tell(
            "Die Funktion \"Messwert lesen\" wird von dem\nSoftwarestand des Ger\u00E4tes nicht "
            "unterst\u00FCtzt",
            devlink::MessageCaption::ProgramCaption, UiIcon::None);
        return std::nullopt;
    }
    devlink::AnswerBuffer answer{};
    if (!context.link.exchange("RMV|", "RMV", true, answer)) return std::nullopt;
    const auto measured =
        decodeMeasuredValue(std::string_view(answer.data(), devlink::answerLength(answer)));
    // An answer too short to hold both fields leaves the display as it was.
    if (!measured) {
        context.ui.tell("RMV: Die Antwort des Ger\u00E4tes enth\u00E4lt keinen Messwert.",
                        devlink::MessageCaption::ProgramCaption, UiIcon::Exclamation);
        return std::nullopt;
    }
    context.ui.showMeasuredText(measuredValueText(context.login.deviceType(), *measured));
    context.ui.repaintWindow();
    return measured;
}

}  // namespace measuring
