#include "softener/sms_notice.h"

#include <QPlainTextEdit>

namespace softener {

void showSmsNotice(QPlainTextEdit* field, const QString& text, bool supported) {
    QString shown = text;
    shown.replace("\r\n", "\n");
    field->setPlainText(shown);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, supported ? QColor(0, 110, 0) : QColor(255, 0, 0));
    field->setPalette(palette);
}

}  // namespace softener
