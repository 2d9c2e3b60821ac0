// "Messwert aufzeichnen" in the Vantiqo window's menu: the unit has no
// interval reading of its own, so the recorder reads the measured value
// every N seconds (N chosen, 10 unless chosen otherwise before; kept per
// user) and writes each reading to a recording (value_recording.h). The
// first reading, right at the start, tells the variant and so the unit of
// the value. Recording ends from the menu, when a reading fails (the
// reading has said why) or when a line cannot be written. "Messwerte im
// Verlauf" charts a recording.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

#include "measuring/value_recording.h"
#include "shell/recording_chart_dlg.h"
#include "shell/user_choices.h"

class QAction;
class QMenu;

namespace measuring {

class CVantiqoDlg;

class ValueRecorder : public QObject {
    Q_OBJECT
  public:
    explicit ValueRecorder(CVantiqoDlg& window);

    void addMenuItems(QMenu& menu);
    QAction* recordItem() const { return record_; }
    QAction* trendItem() const { return trend_; }
    QTimer& timer() { return timer_; }

    bool recording() const { return !recording_.path().empty(); }
    const QString& lastFile() const { return lastFile_; }
    shell::RecordingChartDlg* chart() const { return chart_; }
    void showTrend();
    void stop();

    // The PC's local time of a reading; replaced by tests.
    std::function<files::WallTime()> clock;

  private:
    void onRecordTriggered();
    void start(int seconds);
    void readOnce();
    void updateItem();

    CVantiqoDlg& window_;
    shell::UserChoices choices_{"Vantiqo"};
    ValueRecording recording_;
    QTimer timer_;
    QString lastFile_;
    QAction* record_ = nullptr;
    QAction* trend_ = nullptr;
    QPointer<shell::RecordingChartDlg> chart_;
};

}  // namespace measuring
