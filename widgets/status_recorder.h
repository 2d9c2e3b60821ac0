// "Aufzeichnen" / "Record" and "Verlauf" / "Trend" in a controller
// window's menu. While interval reading runs, recording writes every
// reading as one line of "statusrecord <serial>/statusrecord <serial>
// DDMMYY hhmm.csv" in the start folder (controller/status_recording.h); it
// stops with interval reading (unticked, or ended by a failed read), from
// the menu, or when a line cannot be written. "Verlauf" shows a recording
// as a chart: the current or last one, or any other chosen.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "controller/status_recording.h"
#include "shell/recording_chart_dlg.h"

class QAction;
class QMenu;

namespace widgets {

class ControllerWindow;

class StatusRecorder : public QObject {
    Q_OBJECT
  public:
    explicit StatusRecorder(ControllerWindow& window);
    ~StatusRecorder() override;

    void addMenuItems(QMenu& menu);
    QAction* recordItem() const { return record_; }
    QAction* trendItem() const { return trend_; }

    // After every read from the read button or the interval timer.
    void afterRead(bool succeeded);

    bool recording() const { return !recording_.path().empty(); }
    // The file of the recording running or last made, empty before one.
    const QString& lastFile() const { return lastFile_; }
    shell::RecordingChartDlg* chart() const { return chart_; }
    void showTrend();

    // The PC's local time of a reading; replaced by tests.
    std::function<files::WallTime()> clock;

  private:
    void start();
    void stop();
    void onRecordToggled(bool on);
    void updateItem();
    QString tr2(const char* german, const char* english) const;

    ControllerWindow& window_;
    controller::StatusRecording recording_;
    QString lastFile_;
    QAction* record_ = nullptr;
    QAction* trend_ = nullptr;
    QPointer<shell::RecordingChartDlg> chart_;
};

}  // namespace widgets
