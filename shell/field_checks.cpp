#include "shell/field_checks.h"

#include <QLineEdit>

namespace shell {

bool isAsciiDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

FieldCheck checkComDigit(const QString& text) {
    FieldCheck check{text.left(1)};
    if (!check.text.isEmpty() && (!isAsciiDigit(check.text[0]) || check.text[0] == QChar('0')))
        check.badPosition = 0;
    return check;
}

FieldCheck checkDigits(const QString& text, int maxLength) {
    FieldCheck check{text.left(maxLength)};
    for (int i = 0; i < check.text.size(); ++i) {
        if (!isAsciiDigit(check.text[i])) {
            check.badPosition = i;
            break;
        }
    }
    return check;
}

FieldCheck checkLocation(const QString& text) {
    if (text.startsWith(QChar(' ')) || text.startsWith(QChar('|'))) return FieldCheck{QString()};
    QString kept = text;
    kept.remove(QChar('|'));
    return FieldCheck{kept.left(39)};
}

void keepCheckedText(QLineEdit* field, const QString& text, bool& checking) {
    if (field->text() == text) return;
    checking = true;
    field->setText(text);
    checking = false;
}

void selectOffending(QLineEdit* field, int position) {
    field->setFocus();
    field->setSelection(position, 1);
}

}  // namespace shell
