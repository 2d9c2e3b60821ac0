// What an operator chooses for himself and keeps across runs, whichever
// folder a program starts in: kept per user and program in
// ~/.config/aquendor/<program>.conf (QSettings; $XDG_CONFIG_HOME is
// honoured), never in the program's configuration file in the start
// folder, whose bytes the Windows PCs share.
#pragma once

#include <QString>

namespace shell {

class UserChoices {
  public:
    // program: "AquendorKSV2", "AquendorPLN2", "Vantiqo".
    explicit UserChoices(QString program) : program_(std::move(program)) {}

    // The changes a write makes are shown before it is sent; on unless the
    // operator has turned it off.
    bool reviewBeforeWrite() const;
    void setReviewBeforeWrite(bool on);

    // Seconds between two readings of a recording without interval
    // reading of its own; 10 unless chosen otherwise.
    int recordingSeconds() const;
    void setRecordingSeconds(int seconds);

  private:
    QString program_;
};

}  // namespace shell
