// A table of parameter changes, one row a parameter: its page, its name
// and the two texts as the page shows them, in the interface language.
// The review before a write and the comparison with a stored set show
// their changes in it.
#pragma once

#include <QStringList>
#include <QTableWidget>
#include <vector>

#include "controller/value_changes.h"

namespace widgets {

class ChangesTable : public QTableWidget {
    Q_OBJECT
  public:
    // headers: page, parameter, the one text, the other text. pageNames:
    // the caption of each page by its number.
    ChangesTable(const QStringList& headers, QStringList pageNames, bool english,
                 QWidget* parent = nullptr);

    void showChanges(const std::vector<controller::ValueChange>& changes);
    // The cell's text, for a row and a column.
    QString textAt(int row, int column) const;

  private:
    QStringList pageNames_;
    bool english_;
};

}  // namespace widgets
