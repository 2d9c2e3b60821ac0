#include "shell/window_config_ui.h"

#include <QComboBox>
#include <QLineEdit>

#include "shell/controls.h"
#include "shell/list_combo.h"
#include "shell/main_window_base.h"

namespace shell {

namespace {

MessageIcon messageIcon(ConfigIcon icon) {
    switch (icon) {
        case ConfigIcon::Information:
            return MessageIcon::Information;
        case ConfigIcon::Exclamation:
            return MessageIcon::Exclamation;
        case ConfigIcon::Question:
            return MessageIcon::Question;
        case ConfigIcon::None:
            break;
    }
    return MessageIcon::None;
}

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

QString WindowConfigUi::caption(ConfigCaption kind) const {
    switch (kind) {
        case ConfigCaption::Program:
            return window_.texts().caption;
        case ConfigCaption::Sms:
            return window_.texts().smsCaption;
        case ConfigCaption::None:
            break;
    }
    return window_.texts().name;
}

void WindowConfigUi::setComDigit(char digit) {
    window_.comDigitField()->setText(QString(QChar(digit)));
}

void WindowConfigUi::setDialNumber(const std::string& number) {
    window_.dialNumberField()->setText(text(number));
}

void WindowConfigUi::addLocation(const std::string& name) {
    insertSorted(window_.locationCombo(), text(name), window_.language());
}

void WindowConfigUi::removeLocation(const std::string& name) {
    removeListItem(window_.locationCombo(), text(name));
}

void WindowConfigUi::addSmsNumber(const std::string& number) {
    insertSorted(window_.smsNumberCombo(), text(number), window_.language());
}

void WindowConfigUi::removeSmsNumber(const std::string& number) {
    removeListItem(window_.smsNumberCombo(), text(number));
}

void WindowConfigUi::inform(const std::string& message, ConfigCaption kind, ConfigIcon icon) {
    window_.say({text(message), caption(kind), messageIcon(icon)});
}

bool WindowConfigUi::confirmDelete(const std::string& message, ConfigCaption kind) {
    return window_.say({text(message), caption(kind), MessageIcon::Stop, MessageButtons::YesNo,
                        true}) == MessageAnswer::Yes;
}

bool WindowConfigUi::ask(const std::string& message) {
    return window_.say({text(message), window_.texts().caption, MessageIcon::Question,
                        MessageButtons::YesNo}) == MessageAnswer::Yes;
}

void WindowConfigUi::fatal(const std::string& message, ConfigIcon icon) {
    window_.say({text(message), window_.texts().name, messageIcon(icon)});
    window_.endProgram();
}

}  // namespace shell
