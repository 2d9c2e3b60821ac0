// The checks that the main window's fields run on every change. Pure text
// rules: what the field keeps and which character, if any, offends.
#pragma once

#include <QString>

class QLineEdit;

namespace shell {

struct FieldCheck {
    QString text;          // what the field holds after the check
    int badPosition = -1;  // the offending character, -1 when the text is fine
    bool ok() const { return badPosition < 0; }
};

// One character, a digit 1 to 9; a longer text is cut back to its first
// character. An empty field is fine.
FieldCheck checkComDigit(const QString& text);

// At most maxLength characters, each a decimal digit; the first character
// that is none is the offending one. Characters outside 7-bit ASCII are no
// digits. Pasted text is checked whole, so nothing but digits can stay
// unnoticed in the field.
FieldCheck checkDigits(const QString& text, int maxLength);

// A location name: a text beginning with a blank or "|" is emptied, a "|"
// anywhere is removed again (it separates the phonebook's fields), and at
// most 39 characters count.
FieldCheck checkLocation(const QString& text);

bool isAsciiDigit(QChar c);

// Writes the checked text back into the field without running the field's
// check a second time: `checking` is set meanwhile.
void keepCheckedText(QLineEdit* field, const QString& text, bool& checking);

// After a complaint: the focus back into the field and the offending
// character selected, so the next key typed replaces it.
void selectOffending(QLineEdit* field, int position);

}  // namespace shell
