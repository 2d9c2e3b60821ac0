#include "widgets/status_recorder.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QMenu>
#include <cstring>

#include "controller/local_clock.h"
#include "shell/controls.h"
#include "shell/recording_chart_dlg.h"
#include "widgets/controller_window.h"

namespace widgets {

namespace {

files::WallTime wallTimeNow() {
    const std::tm t = controller::systemLocalTime();
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

}  // namespace

StatusRecorder::StatusRecorder(ControllerWindow& window) : clock(wallTimeNow), window_(window) {}

StatusRecorder::~StatusRecorder() = default;

QString StatusRecorder::tr2(const char* german, const char* english) const {
    return QString::fromUtf8(window_.english() ? english : german);
}

void StatusRecorder::addMenuItems(QMenu& menu) {
    menu.addSeparator();
    record_ = menu.addAction(tr2("Aufzeichnen", "Record"));
    record_->setObjectName("recordItem");
    record_->setCheckable(true);
    connect(record_, &QAction::toggled, this, [this](bool on) { onRecordToggled(on); });
    trend_ = menu.addAction(tr2("Verlauf \u2026", "Trend \u2026"), this, [this] { showTrend(); });
    trend_->setObjectName("trendItem");
    // Recording is offered while interval reading runs.
    connect(&menu, &QMenu::aboutToShow, this, [this] { updateItem(); });
    if (auto* interval =
            shell::controlAs<QAbstractButton>(&window_, window_.controls().intervalCheck))
        connect(interval, &QAbstractButton::toggled, this, [this] { updateItem(); });
    updateItem();
}

void StatusRecorder::updateItem() {
    if (!record_) return;
    record_->setEnabled(recording() || window_.intervalReadingTicked());
    const QSignalBlocker quiet(record_);
    record_->setChecked(recording());
}

void StatusRecorder::onRecordToggled(bool on) {
    if (on && !recording()) start();
    if (!on && recording()) stop();
    updateItem();
}

void StatusRecorder::start() {
    if (!window_.intervalReadingTicked() || window_.statusArea().empty()) return;
    const files::NewRecording made =
        recording_.start(window_.startDirectory(), window_.serialNumberText(), clock(),
                         window_.statusValues(), window_.english());
    if (made.created) {
        lastFile_ = QFile::decodeName(made.path.c_str());
        return;
    }
    const std::string why = made.error == EINVAL
                                ? tr2("Bitte 6 Ziffern f\u00FCr die Seriennummer eingeben.",
                                      "Please insert 6 numbers for the serialnumber.")
                                      .toStdString()
                                : made.path + "\n" + std::strerror(made.error);
    window_.say(controller::Message{
        tr2("Die Aufzeichnung kann nicht angelegt werden:\n", "The recording cannot be created:\n")
                .toStdString() +
            why,
        devlink::MessageCaption::ProgramCaption, controller::MessageIcon::Exclamation});
}

void StatusRecorder::stop() {
    recording_ = controller::StatusRecording();
    updateItem();
}

void StatusRecorder::afterRead(bool succeeded) {
    if (!recording()) return;
    if (!succeeded || !window_.intervalReadingTicked()) return stop();
    if (recording_.append(clock(), window_.statusValues())) return;
    const std::string path = recording_.path();
    stop();
    window_.say(controller::Message{
        tr2("Die Ablesung kann nicht in die Aufzeichnung geschrieben werden; die Aufzeichnung "
            "ist beendet:\n",
            "The reading cannot be written to the recording; the recording has ended:\n")
                .toStdString() +
            path,
        devlink::MessageCaption::ProgramCaption, controller::MessageIcon::Exclamation});
}

void StatusRecorder::showTrend() {
    QString path = lastFile_;
    const QString folder = QString::fromStdString(window_.startDirectory());
    if (path.isEmpty())
        path = window_.messages().openFileName(
            &window_, tr2("Aufzeichnung \u00F6ffnen", "Open a recording"), folder,
            shell::RecordingChartDlg::fileFilter(window_.english()));
    if (path.isEmpty()) return;
    if (!chart_)
        chart_ = new shell::RecordingChartDlg(window_.messages(), window_.english(),
                                              window_.texts().caption, &window_);
    chart_->setFolder(folder);
    chart_->openFile(path);
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

}  // namespace widgets
