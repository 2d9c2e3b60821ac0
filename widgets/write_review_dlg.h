// The review before a write: the parameters the write changes against the
// record last read from the unit, with "Senden" / "Send" and
// "Abbrechen" / "Cancel", and the box that turns the review off. With
// nothing changed it says so and offers to send the record anyway.
#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

#include "controller/value_changes.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace widgets {

class ChangesTable;

class WriteReviewDlg : public QDialog {
    Q_OBJECT
  public:
    WriteReviewDlg(const std::vector<controller::ValueChange>& changes, QStringList pageNames,
                   bool english, QWidget* parent = nullptr);

    ChangesTable* table() const { return table_; }
    QLabel* summary() const { return summary_; }
    QCheckBox* dontShowBox() const { return dontShow_; }
    QPushButton* sendButton() const { return send_; }
    QPushButton* cancelButton() const { return cancel_; }

  private:
    ChangesTable* table_ = nullptr;
    QLabel* summary_ = nullptr;
    QCheckBox* dontShow_ = nullptr;
    QPushButton* send_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace widgets
