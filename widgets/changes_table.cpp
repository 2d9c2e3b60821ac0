#include "widgets/changes_table.h"

#include <QHeaderView>

namespace widgets {

namespace {

QString text(const controller::TwoLanguages& both, bool english) {
    return QString::fromStdString(both.in(english));
}

}  // namespace

ChangesTable::ChangesTable(const QStringList& headers, QStringList pageNames, bool english,
                           QWidget* parent)
    : QTableWidget(0, static_cast<int>(headers.size()), parent),
      pageNames_(std::move(pageNames)),
      english_(english) {
    setHorizontalHeaderLabels(headers);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
}

void ChangesTable::showChanges(const std::vector<controller::ValueChange>& changes) {
    clearContents();
    setRowCount(static_cast<int>(changes.size()));
    int row = 0;
    for (const controller::ValueChange& change : changes) {
        const QString page = change.page >= 0 && change.page < pageNames_.size()
                                 ? pageNames_[change.page]
                                 : QString::number(change.page);
        const QStringList cells = {page, text(change.label, english_),
                                   text(change.before, english_), text(change.after, english_)};
        for (int column = 0; column < cells.size() && column < columnCount(); ++column)
            setItem(row, column, new QTableWidgetItem(cells[column]));
        ++row;
    }
}

QString ChangesTable::textAt(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

}  // namespace widgets
