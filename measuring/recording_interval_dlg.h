// Asks how many seconds lie between two readings of a measured-value
// recording: 1 to 3600, the last choice offered again.
#pragma once

#include <QDialog>

class QPushButton;
class QSpinBox;

namespace measuring {

class RecordingIntervalDlg : public QDialog {
    Q_OBJECT
  public:
    explicit RecordingIntervalDlg(int seconds, QWidget* parent = nullptr);

    int seconds() const;
    QSpinBox* secondsBox() const { return seconds_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* cancelButton() const { return cancel_; }

  private:
    QSpinBox* seconds_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace measuring
