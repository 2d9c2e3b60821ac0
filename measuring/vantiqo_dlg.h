// The Vantiqo program's one window: port, serial number, link mode and
// modem connection, the measured value and the data logger. Every unit
// operation runs under a shell::OperationGuard, so the window keeps
// repainting while it waits and nothing else starts in it meanwhile.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <ctime>
#include <functional>
#include <memory>

#include "devlink/device_link.h"
#include "devlink/login.h"
#include "devlink/modem_link.h"
#include "devlink/serial_port.h"
#include "measuring/measured_value.h"
#include "measuring/measuring_ui.h"
#include "shell/message_service.h"
#include "ui_vantiqo_dlg.h"

class QLineEdit;
class QMenu;

namespace measuring {

class CChartDlg;
class ReadoutProgressDialog;
class ValueRecorder;

class CVantiqoDlg : public QDialog, public MeasuringUi {
    Q_OBJECT
  public:
    explicit CVantiqoDlg(shell::MessageService& messages, QWidget* parent = nullptr);
    ~CVantiqoDlg() override;

    // Null-modem operation on COM1, status "BEREIT", the port opened.
    void startUp();

    // The local time used for file names; the PC's clock unless replaced.
    std::function<std::tm()> clock;
    // Starts the desktop's file manager on a folder; false when it cannot be
    // started. xdg-open with the folder as its one argument unless replaced.
    std::function<bool(const QString& folder)> folderLauncher;
    // xdg-open, started with the folder as its one argument (the path holds
    // blanks: never a shell command line); false when it cannot be started.
    static bool startFileManager(const QString& folder);

    devlink::SerialPort& port() { return port_; }
    bool isConnected() const { return connected_; }
    bool nullModem() const { return nullModem_; }
    char unitVariant() const { return login_.deviceType(); }
    // The file of the last readout, empty before the first.
    const QString& lastReadout() const { return lastReadout_; }
    // The readout's progress dialog while the blocks come, else nullptr.
    ReadoutProgressDialog* progressDialog() const;
    CChartDlg* chartWindow() const;

    // The unit operations behind the buttons.
    void readMeasuredValue();
    void readOutLogger();
    void clearLogger();
    void connectModem();
    void disconnectModem();
    void showTrend();
    // The measured value read as the "lesen" button reads it; `ran` is
    // false when another operation was running and nothing was read.
    std::optional<MeasuredValue> readMeasuredValueNow(bool& ran);

    shell::MessageService& messages() { return messages_; }
    // The window's menu (a right click opens it): the about item, then the
    // measured-value recording.
    QMenu* windowMenu() const { return menu_; }
    ValueRecorder& valueRecorder() { return *recorder_; }

    // devlink::LinkWindow
    bool english() const override { return false; }
    void showMessage(const std::string& text, devlink::MessageCaption caption) override;
    void setStatusText(const std::string& word) override;
    void showLinkState() override;
    bool intervalReadingTicked() const override { return false; }
    void stopIntervalTimer() override {}
    void startIntervalTimer() override {}
    std::string serialNumberText() const override;
    void focusSerialNumber() override;
    void showVariant(const std::string& name) override;
    std::string dialNumberText() const override;
    void focusDialNumber() override;
    void setConnected(bool connected) override { connected_ = connected; }
    bool connected() const override { return connected_; }
    void enableModemControl(devlink::ModemControl control, bool enable) override;

    // MeasuringUi
    void tell(const std::string& text, devlink::MessageCaption caption, UiIcon icon) override;
    bool ask(const std::string& text, UiIcon icon) override;
    void showMeasuredText(const std::string& text) override;
    void showRestState() override;
    void repaintWindow() override { repaint(); }
    void beginProgress(std::uint64_t announced) override;
    bool updateProgress(const ReadoutProgress& progress) override;
    void endProgress() override;
    std::tm localTime() override { return clock(); }
    bool showFolder(const std::string& folder) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connectControls();
    void setUpDisplayFields();
    void openPortFromComField();
    void onComDigitChanged();
    void onComDigitLeft();
    void onDigitsChanged(QLineEdit* field, int maxLength);
    void onLinkMode(bool nullModem);
    void enableOperations(bool enable);
    void exitSequence();
    void showAboutBox();
    void complainAt(QLineEdit* field, int position, const QString& text);
    template <typename Operation>
    void runOperation(Operation operation);

    shell::MessageService& messages_;
    Ui::VantiqoDlg ui_;
    devlink::SerialPort port_;
    devlink::DeviceLink link_;
    devlink::ModemLink modem_;
    devlink::MeasuringLogin login_;
    bool connected_ = false;
    bool nullModem_ = true;
    bool suppressComCheck_ = false;
    bool checking_ = false;
    bool exiting_ = false;
    QString lastReadout_;
    std::unique_ptr<ReadoutProgressDialog> progress_;
    QPointer<CChartDlg> chart_;
    QMenu* menu_ = nullptr;
    std::unique_ptr<ValueRecorder> recorder_;
};

}  // namespace measuring
