#include "shell/status_field.h"

namespace shell {

QColor statusColor(const QString& word) {
    if (word == "READ" || word == "WRITE" || word == "LESEN" || word == "SCHREIBEN")
        return QColor(0, 0, 255);
    if (word == "ONLINE" || word == "BEREIT") return QColor(0, 120, 0);
    if (word == "BUSY") return QColor(255, 0, 0);
    return QColor(0, 0, 0);
}

void showStatusWord(QLineEdit* field, const QString& word) {
    if (!field) return;
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, statusColor(word));
    field->setPalette(palette);
    field->setText(word);
    field->repaint();
}

}  // namespace shell
