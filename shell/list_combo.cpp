#include "shell/list_combo.h"

#include <QCollator>
#include <QComboBox>
#include <QLineEdit>

namespace shell {

void prepareListCombo(QComboBox* combo) {
    if (!combo) return;
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setDuplicatesEnabled(false);
}

void insertSorted(QComboBox* combo, const QString& item, LanguageFlag language) {
    if (!combo) return;
    // The interface language decides the order, not whatever locale the
    // desktop happens to run in.
    QCollator collator(QLocale(language == English ? QLocale::English : QLocale::German));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const QString shown = combo->currentText();
    int at = 0;
    while (at < combo->count() && collator.compare(combo->itemText(at), item) < 0) ++at;
    combo->insertItem(at, item);
    combo->setEditText(shown);
}

void removeListItem(QComboBox* combo, const QString& item) {
    if (!combo) return;
    const QString shown = combo->currentText();
    const int index = combo->findText(item, Qt::MatchFixedString);
    if (index >= 0) combo->removeItem(index);
    combo->setEditText(shown);
}

}  // namespace shell
