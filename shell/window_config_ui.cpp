#include "shell/window_config_ui.h"

#include <QComboBox>
#include <QLineEdit>

#include "shell/controls.h"
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

void WindowConfigUi::insertSorted(QComboBox* combo, const QString& item) {
    if (!combo) return;
    // The list changes, the text in the combo box's field stays.
    const QString shown = combo->currentText();
    int at = 0;
    while (at < combo->count() &&
           QString::compare(combo->itemText(at), item, Qt::CaseInsensitive) < 0)
        ++at;
    combo->insertItem(at, item);
    combo->setEditText(shown);
}

void WindowConfigUi::removeItem(QComboBox* combo, const QString& item) {
    if (!combo) return;
    const QString shown = combo->currentText();
    const int index = combo->findText(item, Qt::MatchFixedString);
    if (index >= 0) combo->removeItem(index);
    combo->setEditText(shown);
}

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
    insertSorted(window_.locationCombo(), text(name));
}

void WindowConfigUi::removeLocation(const std::string& name) {
    removeItem(window_.locationCombo(), text(name));
}

void WindowConfigUi::addSmsNumber(const std::string& number) {
    insertSorted(window_.smsNumberCombo(), text(number));
}

void WindowConfigUi::removeSmsNumber(const std::string& number) {
    removeItem(window_.smsNumberCombo(), text(number));
}

void WindowConfigUi::inform(const std::string& message, ConfigCaption kind, ConfigIcon icon) {
    window_.say(text(message), caption(kind), messageIcon(icon));
}

bool WindowConfigUi::confirmDelete(const std::string& message, ConfigCaption kind) {
    return window_.say(text(message), caption(kind), MessageIcon::Stop, MessageButtons::YesNo,
                       true) == MessageAnswer::Yes;
}

bool WindowConfigUi::ask(const std::string& message) {
    return window_.say(text(message), window_.texts().caption, MessageIcon::Question,
                       MessageButtons::YesNo) == MessageAnswer::Yes;
}

void WindowConfigUi::fatal(const std::string& message, ConfigIcon icon) {
    window_.say(text(message), window_.texts().name, messageIcon(icon));
    window_.endProgram();
}

}  // namespace shell
