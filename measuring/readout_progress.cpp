#include "measuring/readout_progress.h"

#include <QCloseEvent>
#include <algorithm>
#include <climits>
#include <cmath>

namespace measuring {

namespace {

QString remainingText(double seconds) {
    if (seconds < 0) return QString::fromUtf8("wird ermittelt \u2026");
    const auto total = static_cast<long long>(std::ceil(seconds));
    if (total < 60) return QString("ca. %1 s").arg(total);
    if (total < 3600) return QString("ca. %1 min %2 s").arg(total / 60).arg(total % 60);
    return QString("ca. %1 h %2 min").arg(total / 3600).arg(total % 3600 / 60);
}

}  // namespace

QString progressText(const ReadoutProgress& progress) {
    const std::uint64_t received = std::min(progress.received, progress.announced);
    return QString::fromUtf8("Datens\u00E4tze empfangen: %1 von %2\nRestzeit: %3")
        .arg(received)
        .arg(progress.announced)
        .arg(remainingText(progress.secondsLeft));
}

ReadoutProgressDialog::ReadoutProgressDialog(std::uint64_t announced, QWidget* window)
    : QProgressDialog(window), announced_(announced) {
    setWindowTitle("Vantiqo");
    setWindowModality(Qt::WindowModal);
    setCancelButtonText("Abbrechen");
    // The bar counts records; announced counts never pass INT_MAX (2^32 / 16).
    setRange(0, static_cast<int>(std::min<std::uint64_t>(announced, INT_MAX)));
    setMinimumDuration(0);
    setAutoClose(false);
    setAutoReset(false);
    setMinimumWidth(360);
    setLabelText(progressText({0, announced, -1.0}));
    setValue(0);
    // The readout ends itself after the current block: the dialog stays
    // until then instead of vanishing at the click.
    disconnect(this, &QProgressDialog::canceled, this, &QProgressDialog::cancel);
    connect(this, &QProgressDialog::canceled, this, &ReadoutProgressDialog::requestStop);
    show();
}

void ReadoutProgressDialog::requestStop() {
    if (stopRequested_) return;
    stopRequested_ = true;
    setLabelText(QString::fromUtf8("Das Auslesen wird nach dem laufenden Block abgebrochen …"));
}

void ReadoutProgressDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    requestStop();
}

bool ReadoutProgressDialog::update(const ReadoutProgress& progress) {
    received_ = std::min(progress.received, announced_);
    if (!stopRequested_) setLabelText(progressText(progress));
    setValue(static_cast<int>(std::min<std::uint64_t>(received_, INT_MAX)));
    return !stopRequested_;
}

}  // namespace measuring
