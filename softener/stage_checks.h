// The checks of the one-digit stage fields of parameter pages 1 and 2,
// made when a field loses the focus. The comparisons use the characters of
// the fields, so "greater" means later in the order of the digits.
#pragma once

#include <QChar>
#include <QString>

namespace softener {

// The number of stages: 1 to 8.
bool stageCountAllowed(QChar count);
// Supplementary program 2 starts at a stage from 1 to the number of stages.
bool program2StageAllowed(QChar stage, QChar count);
// Supplementary program 1 may also start at 0.
bool program1StageAllowed(QChar stage, QChar count);

// "Bitte nur die Ziffern <from> - <to> eingeben !" and its English form.
QString digitsRangeMessage(bool english, QChar from, QChar to);

}  // namespace softener
