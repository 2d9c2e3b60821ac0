#include "softener/stage_checks.h"

namespace softener {

bool stageCountAllowed(QChar count) {
    return count != QChar('_') && count != QChar('0') && count != QChar('9');
}

bool program2StageAllowed(QChar stage, QChar count) {
    return stage != QChar('_') && stage != QChar('0') && !(stage > count);
}

bool program1StageAllowed(QChar stage, QChar count) {
    return stage != QChar('_') && !(stage > count);
}

QString digitsRangeMessage(bool english, QChar from, QChar to) {
    return english ? QString("please insert numbers (%1 - %2) only !").arg(from).arg(to)
                   : QString("Bitte nur die Ziffern %1 - %2 eingeben !").arg(from).arg(to);
}

}  // namespace softener
