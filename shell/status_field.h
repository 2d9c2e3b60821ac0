// The connection status field: white, its word coloured by meaning, and
// repainted at once because no events are processed during an exchange.
#pragma once

#include <QColor>
#include <QLineEdit>

namespace shell {

// "READ"/"WRITE" (the measuring program's "LESEN"/"SCHREIBEN") blue,
// "ONLINE" and "BEREIT" dark green, "BUSY" red, anything else black.
QColor statusColor(const QString& word);

void showStatusWord(QLineEdit* field, const QString& word);

}  // namespace shell
