// The info field of an alarm-SMS page: whether the unit supports alarm
// SMS, on white, dark green when it does and red when it does not.
#pragma once

#include <QString>

class QPlainTextEdit;

namespace softener {

// text carries CR LF line ends, as the unit's programs have always written it.
void showSmsNotice(QPlainTextEdit* field, const QString& text, bool supported);

}  // namespace softener
