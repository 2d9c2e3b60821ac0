// "Verlauf" of a recording: a recording's CSV as a chart over the date and
// time of its readings, with a list of its columns to choose which to plot
// (values as lines, lamps as step lines), wheel and rubber-band zoom, a
// reset, another recording to open and the chart saved as PNG.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "files/recording_csv.h"
#include "shell/message_service.h"

class QChart;
class QLabel;
class QListWidget;
class QPushButton;

namespace shell {

class ZoomChartView;

class RecordingChartDlg : public QDialog {
    Q_OBJECT
  public:
    // caption: the program's, for messages and the window title.
    RecordingChartDlg(MessageService& messages, bool english, QString caption,
                      QWidget* parent = nullptr);

    static QString fileFilter(bool english);

    // Reads and shows a recording; problems are told, and false returned.
    // The first two value columns are chosen, as a start.
    bool openFile(const QString& path);
    bool savePng(const QString& path);
    // The folder the file dialog opens in before a file was opened.
    void setFolder(const QString& folder) { folder_ = folder; }

    // Plots the columns (indices into content().columns).
    void choose(const std::vector<std::size_t>& columns);
    std::vector<std::size_t> chosen() const;

    const files::RecordingContent& content() const { return content_; }
    const QString& file() const { return file_; }
    QString summary() const;
    QChart* chart() const;
    ZoomChartView* view() const { return view_; }
    QListWidget* columnList() const { return columns_; }
    QPushButton* openButton() const { return open_; }
    QPushButton* saveButton() const { return save_; }

    // The largest recording read: a day at the fastest rate is well under
    // a megabyte; far larger is no recording.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

  private:
    QString tr2(const char* german, const char* english) const;
    void buildControls();
    void fillColumnList();
    void redraw();
    void onOpenClicked();
    void onSaveClicked();
    void say(const QString& text, MessageIcon icon);

    MessageService& messages_;
    bool english_;
    QString caption_;
    ZoomChartView* view_ = nullptr;
    QListWidget* columns_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* save_ = nullptr;
    files::RecordingContent content_;
    QString file_;
    QString folder_;
    bool filling_ = false;
};

}  // namespace shell
