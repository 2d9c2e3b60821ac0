// The editable, sorted combo boxes of the programs (locations, SMS numbers,
// named settings): a list the program fills from its files, and a field the
// operator types a new name into. Qt's defaults would change what the
// program does, so they are switched off here on purpose.
#pragma once

#include <QString>

#include "shell/labels.h"

class QComboBox;

namespace shell {

// No insertion on Enter (Qt would put the typed text into the list and
// report it as selected) and no completion (a typed "Brun" would become a
// listed "Brunnen", so a name that begins another could not be entered).
void prepareListCombo(QComboBox* combo);

// Inserts an item at its place in the order of the interface language
// ("Ärztehaus" sorts with A, case is ignored). The text in the combo box's
// field stays as it is.
void insertSorted(QComboBox* combo, const QString& item, LanguageFlag language);

// Removes the item that matches without regard to case; the field's text stays.
void removeListItem(QComboBox* combo, const QString& item);

}  // namespace shell
