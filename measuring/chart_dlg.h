// The trend window: a data-logger CSV as a chart of measured value and
// temperature over time, with wheel and rubber-band zoom, a reset, another
// file to open and the chart saved as PNG.
#pragma once

#include <QDialog>
#include <QString>

#include "measuring/csv_reader.h"
#include "shell/message_service.h"

class QChart;
class QComboBox;
class QLabel;

namespace shell {
class ZoomChartView;
}

namespace measuring {

class CChartDlg : public QDialog {
    Q_OBJECT
  public:
    CChartDlg(shell::MessageService& messages, QWidget* parent = nullptr);

    // "CSV-Dateien (*.csv)" and all files, for the file dialogs.
    static QString fileFilter();

    // The quantity the values are: a unit variant "1" to "6", else plain values.
    void setVariant(char variant);
    char variant() const;
    // Reads and shows a file; problems are told, and false returned.
    bool openFile(const QString& path);
    // Saves the chart as it is shown; problems are told.
    bool savePng(const QString& path);

    const CsvContent& content() const { return content_; }
    const QString& file() const { return file_; }
    QString summary() const;
    QChart* chart() const;
    shell::ZoomChartView* view() const { return view_; }

  private:
    void buildControls();
    void redraw();
    void onOpenClicked();
    void onSaveClicked();
    void say(const QString& text, shell::MessageIcon icon);

    shell::MessageService& messages_;
    shell::ZoomChartView* view_ = nullptr;
    QComboBox* quantity_ = nullptr;
    QLabel* summary_ = nullptr;
    CsvContent content_;
    QString file_;
};

}  // namespace measuring
