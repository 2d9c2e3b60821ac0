// The progress dialog of a data-logger readout: records received of those
// announced, a bar, and the time left at the rate measured so far.
// "Abbrechen" stops the readout after the block on its way.
#pragma once

#include <QProgressDialog>
#include <QString>
#include <cstdint>

#include "measuring/measuring_ui.h"

namespace measuring {

// "Datensätze empfangen: 120 von 787\nRestzeit: ca. 12 s".
QString progressText(const ReadoutProgress& progress);

class ReadoutProgressDialog : public QProgressDialog {
    Q_OBJECT
  public:
    ReadoutProgressDialog(std::uint64_t announced, QWidget* window);

    // Shows the progress; false once the operator asked to stop.
    bool update(const ReadoutProgress& progress);
    // The records shown as received.
    std::uint64_t received() const { return received_; }
    bool stopRequested() const { return stopRequested_; }

  protected:
    // Escape and closing the dialog ask to stop, like the button; the dialog
    // stays until the readout has ended.
    void reject() override { emit canceled(); }
    void closeEvent(QCloseEvent* event) override;

  private:
    void requestStop();

    std::uint64_t announced_;
    std::uint64_t received_ = 0;
    bool stopRequested_ = false;
};

}  // namespace measuring
