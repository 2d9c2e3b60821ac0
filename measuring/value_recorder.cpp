#include "measuring/value_recorder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "measuring/recording_interval_dlg.h"
#include "measuring/vantiqo_dlg.h"

namespace measuring {

namespace {

files::WallTime wallTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

}  // namespace

ValueRecorder::ValueRecorder(CVantiqoDlg& window) : clock(wallTimeNow), window_(window) {
    // The window's timer: an operation in progress keeps its ticks away.
    timer_.setParent(&window);
    connect(&timer_, &QTimer::timeout, this, [this] { readOnce(); });
}

void ValueRecorder::addMenuItems(QMenu& menu) {
    menu.addSeparator();
    record_ = menu.addAction("Messwert aufzeichnen \u2026", this, [this] { onRecordTriggered(); });
    record_->setObjectName("recordValueItem");
    record_->setCheckable(true);
    trend_ = menu.addAction("Messwerte im Verlauf \u2026", this, [this] { showTrend(); });
    trend_->setObjectName("valueTrendItem");
}

void ValueRecorder::updateItem() {
    if (record_) record_->setChecked(recording());
}

// A checked item ends the recording; otherwise the interval is asked first.
void ValueRecorder::onRecordTriggered() {
    if (recording()) {
        stop();
        return;
    }
    updateItem();
    RecordingIntervalDlg ask(choices_.recordingSeconds(), &window_);
    if (window_.messages().runDialog(ask) != QDialog::Accepted) return;
    choices_.setRecordingSeconds(ask.seconds());
    start(ask.seconds());
}

void ValueRecorder::start(int seconds) {
    bool ran = false;
    const std::optional<MeasuredValue> first = window_.readMeasuredValueNow(ran);
    if (!first) return;  // the reading has said why
    const files::WallTime now = clock();
    const files::NewRecording made = recording_.start(
        QDir::currentPath().toStdString(), window_.serialNumberText(), now, window_.unitVariant());
    if (!made.created) {
        const std::string why = made.error == EINVAL
                                    ? std::string(
                                          "Bitte 6 Ziffern f\u00FCr die Seriennummer "
                                          "eingeben.")
                                    : made.path + "\n" + std::strerror(made.error);
        window_.tell("Die Aufzeichnung kann nicht angelegt werden:\n" + why,
                     devlink::MessageCaption::ProgramCaption, UiIcon::Exclamation);
        return;
    }
    lastFile_ = QFile::decodeName(made.path.c_str());
    if (!recording_.append(now, *first)) return stop();
    timer_.start(seconds * 1000);
    updateItem();
}

void ValueRecorder::readOnce() {
    if (!recording()) return;
    bool ran = false;
    const std::optional<MeasuredValue> measured = window_.readMeasuredValueNow(ran);
    if (!ran) return;  // another operation ran: the next tick reads
    if (!measured) return stop();
    if (recording_.append(clock(), *measured)) return;
    const std::string path = recording_.path();
    stop();
    window_.tell(
        "Die Messung kann nicht in die Aufzeichnung geschrieben werden; die "
        "Aufzeichnung ist beendet:\n" +
            path,
        devlink::MessageCaption::ProgramCaption, UiIcon::Exclamation);
}

void ValueRecorder::stop() {
    timer_.stop();
    recording_ = ValueRecording();
    updateItem();
}

void ValueRecorder::showTrend() {
    QString path = lastFile_;
    if (path.isEmpty())
        path = window_.messages().openFileName(
            &window_, QString::fromUtf8("Aufzeichnung \u00F6ffnen"), QDir::currentPath(),
            shell::RecordingChartDlg::fileFilter(false));
    if (path.isEmpty()) return;
    if (!chart_)
        chart_ = new shell::RecordingChartDlg(window_.messages(), false, "Vantiqo", &window_);
    chart_->setFolder(QDir::currentPath());
    chart_->openFile(path);
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

}  // namespace measuring
