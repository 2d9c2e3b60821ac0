// The info field of an alarm-SMS page: whether the unit supports alarm
// SMS, on white, dark green when it does and red when it does not.
#pragma once

#include <QString>

class QPlainTextEdit;

namespace widgets {

// The notice in the interface language, with its CR LF line ends: the unit
// supports alarm SMS, or the two software versions that start to.
QString smsNoticeText(bool supported, bool english, const char* version1, const char* version2);

// text carries CR LF line ends, as the unit's programs have always written it.
void showSmsNotice(QPlainTextEdit* field, const QString& text, bool supported);

}  // namespace widgets
