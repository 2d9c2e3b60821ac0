#include "widgets/alarm_sms_inputs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "controller/message_text.h"
#include "shell/field_checks.h"

namespace widgets {

AlarmSmsInputs::AlarmSmsInputs(controller::OperationUi& ui, SmsNumberList numbers,
                               AlarmSmsControls controls, QObject* parent)
    : QObject(parent), ui_(ui), numbers_(std::move(numbers)), controls_(controls) {
    // Only what the operator types is checked: a read or a stored setting
    // fills the fields with what the unit or the file holds.
    QLineEdit* number = controls_.dialNumber->lineEdit();
    connect(number, &QLineEdit::textEdited, this,
            [this, number] { checkDigitsField(number, kDialNumberDigits); });
    connect(controls_.prefix, &QLineEdit::textEdited, this,
            [this] { checkDigitsField(controls_.prefix, kPrefixDigits); });
    connect(controls_.extraText, &QLineEdit::textEdited, this, [this] { checkExtraText(); });
    connect(controls_.save, &QAbstractButton::clicked, this, [this] { saveNumber(); });
    connect(controls_.remove, &QAbstractButton::clicked, this, [this] { deleteNumber(); });
}

// Too long is cut back with the caret at the end; a character that is no
// digit is complained about and selected. Every character is looked at, so a
// pasted line end or "|" never stays in the field unnoticed.
void AlarmSmsInputs::checkDigitsField(QLineEdit* field, int maxDigits) {
    if (checking_) return;
    const shell::FieldCheck check = shell::checkDigits(field->text(), maxDigits);
    if (check.text != field->text()) {
        shell::keepCheckedText(field, check.text, checking_);
        field->setCursorPosition(static_cast<int>(check.text.size()));
    }
    if (check.ok()) return;
    ui_.say({controller::tr2(ui_, "Bitte nur Ziffern eingeben!", "Please insert numbers only!"),
             devlink::MessageCaption::ProgramName});
    shell::selectOffending(field, check.badPosition);
}

void AlarmSmsInputs::checkExtraText() {
    QLineEdit* field = controls_.extraText;
    if (field->text().size() <= kExtraTextCharacters) return;
    field->setText(field->text().left(kExtraTextCharacters));
    field->setCursorPosition(kExtraTextCharacters);
}

QString AlarmSmsInputs::typedNumber() const {
    return controls_.dialNumber->currentText();
}

void AlarmSmsInputs::saveNumber() {
    numbers_.save(typedNumber().toStdString());
}

void AlarmSmsInputs::deleteNumber() {
    numbers_.remove(typedNumber().toStdString());
}

}  // namespace widgets
