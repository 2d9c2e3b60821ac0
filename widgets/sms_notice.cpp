#include "widgets/sms_notice.h"

#include <QPlainTextEdit>

namespace widgets {

QString smsNoticeText(bool supported, bool english, const char* version1, const char* version2) {
    const QString first = QString::fromLatin1(version1);
    const QString second = QString::fromLatin1(version2);
    if (supported)
        return english ? QStringLiteral("This unit supports\r\nalarm - sms - functionality\r\n")
                       : QStringLiteral(
                             "Dieses Ger\u00E4t besitzt\r\nAlarm - SMS - Funktionalit\u00E4t\r\n");
    return english ? QStringLiteral(
                         "The alarm - sms - function is\r\nsupported starting from "
                         "software\r\nversion %1 and %2.\r\n")
                         .arg(first, second)
                   : QStringLiteral(
                         "Die Alarm - SMS - Funktion wird ab\r\ndem Softwarestand %1 "
                         "bzw.\r\n%2 unterst\u00FCtzt.\r\n")
                         .arg(first, second);
}

void showSmsNotice(QPlainTextEdit* field, const QString& text, bool supported) {
    QString shown = text;
    shown.replace("\r\n", "\n");
    field->setPlainText(shown);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, supported ? QColor(0, 110, 0) : QColor(255, 0, 0));
    field->setPalette(palette);
}

}  // namespace widgets
