// The main window that both controller programs share: session, connection
// workflow, cyclic reading, the status field, field checks, start-up and
// exit. Each program derives from it with its own template, control
// numbers, pages and unit operations.
#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "controller/operation_context.h"
#include "devlink/device_link.h"
#include "devlink/link_window.h"
#include "devlink/modem_link.h"
#include "devlink/serial_port.h"
#include "shell/config_file.h"
#include "shell/labels.h"
#include "shell/login_buttons.h"
#include "shell/message_service.h"
#include "shell/page_host.h"

class QComboBox;
class QLineEdit;

namespace shell {

class WindowConfigUi;

enum class LinkMode { NullModem = 0, Modem = 1 };

struct Session {
    bool connected = false;
    LinkMode linkMode = LinkMode::Modem;
    QString startDirectory;
    bool suppressComCheck = false;
};

// Control numbers of a program's main window.
struct MainWindowControls {
    int comDigit, status, dialNumber, connect, disconnect, serialNumber;
    int location, saveLocation, deleteLocation;
    int modemRadio, nullModemRadio, baud9600, baud19200, exit, placeholder;
    int intervalCheck, read, write;
    std::vector<int> commandButtons;  // the unit commands
    std::vector<int> historyButtons;
    std::vector<int> pageSelectors;  // status page first
    // What a reading-and-writing login enables (the programs differ: one
    // leaves out its read button).
    std::vector<int> fullAccessButtons;
    bool writeDisabledBySerialChange = true;
    bool dialNumberChecked = true;
};

struct ProgramTexts {
    QString caption;     // message caption, "Aquendor® KSV2"
    QString name;        // the program's plain name, "AquendorKSV2"
    QString aboutItem;   // "&Info über Aquendor® KSV2..."
    QString smsCaption;  // "Aquendor KSV2"
    ConfigProfile config;
};

class MainWindowBase : public QDialog, public controller::OperationUi {
    Q_OBJECT
  public:
    MainWindowBase(MainWindowControls controls, ProgramTexts texts, MessageService& messages,
                   QWidget* parent = nullptr);
    ~MainWindowBase() override;

    // The start-up sequence; false when the program must end at once.
    bool startUp(const std::string& commandLine);

    LanguageFlag language() const { return language_; }
    Session& session() { return session_; }
    devlink::SerialPort& port() { return port_; }
    devlink::DeviceLink& link() { return link_; }
    // What the unit operations run with: this window's link and this window.
    controller::OperationContext operationContext() { return {link_, *this}; }
    MessageService& messages() { return messages_; }
    PageHost& pageHost() { return pages_; }
    const ProgramTexts& texts() const { return texts_; }
    const MainWindowControls& controls() const { return controls_; }

    void ShowLinkState();
    void SetStatusText(const QString& word);
    void StopIntervalReading();
    void ShowPage(int index);
    // Fields that are only for reading pass the focus on to the button of
    // the next step: connect in modem operation, read in null-modem operation.
    void focusNextStep();

    // German or English after the language flag.
    QString tr2(const char* german, const char* english) const;
    MessageAnswer say(const QString& text, const QString& caption,
                      MessageIcon icon = MessageIcon::None,
                      MessageButtons buttons = MessageButtons::Ok, bool keepOnTop = false);

    // devlink::LinkWindow
    bool english() const override { return language_ == English; }
    void showMessage(const std::string& text, devlink::MessageCaption caption) override;
    void setStatusText(const std::string& word) override;
    void showLinkState() override { ShowLinkState(); }
    bool intervalReadingTicked() const override;
    void stopIntervalTimer() override { intervalTimer_.stop(); }
    void startIntervalTimer() override { intervalTimer_.start(15000); }
    std::string serialNumberText() const override;
    void focusSerialNumber() override;
    // The buttons after the unit's answer to a login (login_buttons.h).
    void loginAnswered(devlink::LoginAnswer answer) override;
    std::string dialNumberText() const override;
    void focusDialNumber() override;
    void setConnected(bool connected) override { session_.connected = connected; }
    bool connected() const override { return session_.connected; }
    void enableModemControl(devlink::ModemControl control, bool enable) override;

    // controller::OperationUi
    MessageAnswer say(const controller::Message& message) override;
    void showField(int page, int control) override;
    std::string startDirectory() const override;
    std::string saveFileName(const std::string& title, const std::string& proposed,
                             const std::string& filter) override;
    std::string openFileName(const std::string& title, const std::string& folder,
                             const std::string& filter) override;
    void endProgramNow() override { endProgram(); }

    devlink::ModemLink& modem() { return modem_; }

    // Enables or disables one button set: each program has its own controls
    // in them.
    void enableButtons(ButtonSet set, bool enable);

    QTimer& intervalTimer() { return intervalTimer_; }

    QLineEdit* comDigitField() const { return edit(controls_.comDigit); }
    QLineEdit* dialNumberField() const { return edit(controls_.dialNumber); }
    QComboBox* locationCombo() const;
    // The alarm-SMS page's list of dial-in numbers; none by default.
    virtual QComboBox* smsNumberCombo() const { return nullptr; }
    ConfigFile& configFile() { return *config_; }

    // Ends the program at once with exit code 0, after a fatal file problem.
    std::function<void()> endProgram;

    // Set while the window goes away: focus changes then check nothing.
    bool tearingDown() const { return tearingDown_; }

    // The unit operations behind the read button and the interval timer.
    // Returns false when the read failed.
    virtual bool readAll() = 0;

    // Runs a unit operation: nothing else of the window starts meanwhile, and
    // the window stays responsive while the unit is awaited. A second
    // operation asked for while one runs is dropped.
    void runOperation(const std::function<void()>& operation);
    // The button's click runs the operation.
    void connectOperation(int controlId, std::function<void()> operation);

  protected:
    virtual void createPages() = 0;
    virtual void applyEnglishLabels() = 0;
    virtual void applyGermanTexts() {}
    virtual void setUpPageFields() {}
    // Start-up, right after the configuration file: the named settings.
    virtual void loadSettingsStore() {}
    virtual void beforeShowPage(int /*index*/) {}
    virtual void stopPageTimers() {}
    virtual void showAboutBox() = 0;

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void moveEvent(QMoveEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    void beginTearDown();
    QLineEdit* edit(int id) const;
    void enable(int id, bool enable);
    void enableAll(const std::vector<int>& ids, bool enable);
    void disableOperationButtons();

  private:
    void connectControls();
    bool recordStartDirectory();
    void openPortFromComField();
    void setLinkAndSpeedRadios(bool enable);
    void onLocationSelected(int index);
    void onSaveLocation();
    void onDeleteLocation();

    void onComDigitChanged();
    void onComDigitLeft();
    void onSerialNumberChanged();
    void onDialNumberChanged();
    void onLocationEdited();
    void onLinkMode(LinkMode mode);
    void onBaudClicked();
    void onIntervalClicked(bool checked);
    void onReadClicked();
    void onIntervalTick();
    void exitSequence();
    void complainAt(QLineEdit* field, int position, const QString& text, const QString& caption);

    MainWindowControls controls_;
    ProgramTexts texts_;
    MessageService& messages_;
    LanguageFlag language_ = German;
    Session session_;
    devlink::SerialPort port_;
    devlink::DeviceLink link_;
    devlink::ModemLink modem_;
    PageHost pages_;
    QTimer intervalTimer_;
    std::unique_ptr<WindowConfigUi> configUi_;
    std::unique_ptr<ConfigFile> config_;
    bool checking_ = false;
    bool exiting_ = false;
    bool tearingDown_ = false;
};

}  // namespace shell
