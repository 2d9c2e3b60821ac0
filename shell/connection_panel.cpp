#include "shell/connection_panel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "controller/message_text.h"
#include "shell/controls.h"
#include "shell/field_checks.h"
#include "shell/list_combo.h"
#include "shell/main_window_base.h"
#include "shell/operation_guard.h"

namespace shell {

QLineEdit* ConnectionPanel::edit(int id) const {
    return controlAs<QLineEdit>(&window_, id);
}

void ConnectionPanel::connectControls() {
    const MainWindowControls& controls = window_.controls();
    QLineEdit* com = edit(controls.comDigit);
    QObject::connect(com, &QLineEdit::textChanged, &window_, [this] { onComDigitChanged(); });
    com->installEventFilter(&window_);
    QObject::connect(edit(controls.serialNumber), &QLineEdit::textChanged, &window_,
                     [this] { onSerialNumberChanged(); });
    if (controls.dialNumberChecked)
        QObject::connect(edit(controls.dialNumber), &QLineEdit::textChanged, &window_,
                         [this] { onDialNumberChanged(); });
    prepareListCombo(window_.locationCombo());
    prepareListCombo(window_.smsNumberCombo());
    if (QComboBox* location = window_.locationCombo()) {
        QObject::connect(location, &QComboBox::editTextChanged, &window_,
                         [this] { onLocationEdited(); });
        QObject::connect(location, &QComboBox::activated, &window_,
                         [this](int index) { onLocationSelected(index); });
    }
    QLineEdit* status = edit(controls.status);
    status->setFocusPolicy(Qt::NoFocus);
    status->installEventFilter(&window_);

    auto clicked = [this](int id, auto handler) {
        if (auto* button = controlAs<QAbstractButton>(&window_, id))
            QObject::connect(button, &QAbstractButton::clicked, &window_, handler);
    };
    clicked(controls.modemRadio, [this] { onLinkMode(true); });
    clicked(controls.nullModemRadio, [this] { onLinkMode(false); });
    clicked(controls.baud9600, [this] { onBaudClicked(); });
    clicked(controls.baud19200, [this] { onBaudClicked(); });
    window_.connectOperation(controls.connect, [this] { window_.modem().dialUp(); });
    window_.connectOperation(controls.disconnect, [this] { window_.modem().hangUp(); });
    clicked(controls.saveLocation, [this] { onSaveLocation(); });
    clicked(controls.deleteLocation, [this] { onDeleteLocation(); });
}

void ConnectionPanel::showStartState() {
    const MainWindowControls& controls = window_.controls();
    window_.session().connected = false;
    window_.session().linkMode = LinkMode::Modem;
    window_.buttons().enable(controls.disconnect, false);
    controlAs<QRadioButton>(&window_, controls.modemRadio)->setChecked(true);
    controlAs<QRadioButton>(&window_, controls.baud19200)->setChecked(true);
    window_.port().setBaudRate(19200);
}

void ConnectionPanel::openPortFromComField() {
    const QString digit = edit(window_.controls().comDigit)->text();
    if (digit.isEmpty()) return;
    window_.port().closePort();
    window_.port().setPortName("COM" + digit.toStdString());
    const OperationGuard connecting(&window_);  // a network port may take seconds to connect
    window_.port().openPort();
}

void ConnectionPanel::focusNextStep() const {
    const MainWindowControls& controls = window_.controls();
    const bool modem = window_.session().linkMode == LinkMode::Modem;
    if (QWidget* target = control(&window_, modem ? controls.connect : controls.read))
        target->setFocus();
}

std::string ConnectionPanel::serialNumberText() const {
    return edit(window_.controls().serialNumber)->text().left(6).toStdString();
}

std::string ConnectionPanel::dialNumberText() const {
    return edit(window_.controls().dialNumber)->text().toStdString();
}

// ---- link mode and speed -----------------------------------------------------

void ConnectionPanel::onLinkMode(bool modem) {
    const LinkMode mode = modem ? LinkMode::Modem : LinkMode::NullModem;
    Session& session = window_.session();
    if (mode == session.linkMode) return;
    session.linkMode = mode;
    const MainWindowControls& controls = window_.controls();
    const WindowButtons& buttons = window_.buttons();
    if (modem) {
        buttons.enable(controls.connect, true);
        buttons.disableOperationButtons();
    } else {
        buttons.enable(controls.connect, false);
        buttons.enable(controls.disconnect, false);
        buttons.enable(controls.read, true);
    }
}

void ConnectionPanel::onBaudClicked() {
    auto* fast = controlAs<QRadioButton>(&window_, window_.controls().baud19200);
    window_.port().setBaudRate(fast && fast->isChecked() ? 19200 : 9600);
    const OperationGuard connecting(&window_);
    window_.port().reopenPort();
}

// ---- field checks --------------------------------------------------------------

void ConnectionPanel::complainAt(QLineEdit* field, int position, const std::string& text,
                                 const QString& caption) {
    window_.say({QString::fromStdString(text), caption});
    selectOffending(field, position);
}

void ConnectionPanel::onComDigitChanged() {
    if (checking_) return;
    QLineEdit* field = edit(window_.controls().comDigit);
    const FieldCheck check = checkComDigit(field->text());
    keepCheckedText(field, check.text, checking_);
    if (check.ok()) return;
    window_.session().suppressComCheck = true;
    complainAt(field, check.badPosition,
               controller::tr2(window_, "Bitte nur die Ziffern 1 - 9 eingeben !",
                               "please insert numbers (1 - 9) only !"),
               window_.texts().caption);
}

void ConnectionPanel::comDigitLeft() {
    // Focus that goes while an operation runs (the desktop switched
    // windows) must not reopen the port in the middle of an exchange.
    if (OperationGuard::isBusy(&window_)) return;
    Session& session = window_.session();
    if (session.suppressComCheck) {
        session.suppressComCheck = false;
        return;
    }
    const FieldCheck check = checkComDigit(edit(window_.controls().comDigit)->text());
    if (check.text.isEmpty()) return;
    if (!check.ok()) {
        onComDigitChanged();
        return;
    }
    openPortFromComField();
}

void ConnectionPanel::onSerialNumberChanged() {
    if (checking_) return;
    const MainWindowControls& controls = window_.controls();
    if (controls.writeDisabledBySerialChange) window_.buttons().enable(controls.write, false);
    checkDigitsIn(edit(controls.serialNumber), 6);
}

void ConnectionPanel::onDialNumberChanged() {
    if (checking_) return;
    checkDigitsIn(edit(window_.controls().dialNumber), 20);
}

void ConnectionPanel::checkDigitsIn(QLineEdit* field, int maxLength) {
    const FieldCheck check = checkDigits(field->text(), maxLength);
    keepCheckedText(field, check.text, checking_);
    if (!check.ok())
        complainAt(
            field, check.badPosition,
            controller::tr2(window_, "Bitte nur Ziffern eingeben!", "Please insert numbers only!"),
            window_.texts().name);
}

void ConnectionPanel::onLocationEdited() {
    if (checking_) return;
    QComboBox* combo = window_.locationCombo();
    QLineEdit* field = combo ? combo->lineEdit() : nullptr;
    if (!field) return;
    const FieldCheck check = checkLocation(field->text());
    if (check.text == field->text()) return;
    keepCheckedText(field, check.text, checking_);
    field->setCursorPosition(static_cast<int>(check.text.size()));
}

// ---- phonebook -------------------------------------------------------------------

void ConnectionPanel::onLocationSelected(int index) {
    window_.configFile().FindDialNumber(window_.locationCombo()->itemText(index).toStdString());
}

void ConnectionPanel::onSaveLocation() {
    window_.configFile().AddLocation(window_.locationCombo()->currentText().toStdString(),
                                     dialNumberText());
}

void ConnectionPanel::onDeleteLocation() {
    window_.configFile().RemoveLocation(window_.locationCombo()->currentText().toStdString());
}

}  // namespace shell
