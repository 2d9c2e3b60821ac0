// The main window that both controller programs share: its start-up, the
// device link and the unit operations' effects on the window, messages
// and file dialogs, and the pages. The connection panel, interval reading,
// the button sets and the exit sequence are parts of their own. The
// controller window (widgets/controller_window.h) builds on it.
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
#include "shell/connection_panel.h"
#include "shell/exit_sequence.h"
#include "shell/interval_reading.h"
#include "shell/labels.h"
#include "shell/login_buttons.h"
#include "shell/main_window_controls.h"
#include "shell/message_service.h"
#include "shell/page_host.h"
#include "shell/session.h"
#include "shell/window_buttons.h"

class QComboBox;
class QLineEdit;
class QMenu;

namespace shell {

class WindowConfigUi;

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
    devlink::ModemLink& modem() { return modem_; }
    // What the unit operations run with: this window's link and this window.
    controller::OperationContext operationContext() { return {link_, *this}; }
    MessageService& messages() { return messages_; }
    PageHost& pageHost() { return pages_; }
    const ProgramTexts& texts() const { return texts_; }
    const MainWindowControls& controls() const { return controls_; }
    const WindowButtons& buttons() const { return buttons_; }
    QTimer& intervalTimer() { return interval_.timer(); }
    ConfigFile& configFile() { return *config_; }
    // The configuration file once start-up has read it, else nullptr.
    ConfigFile* loadedConfigFile() { return config_.get(); }

    void showPage(int index);
    void focusNextStep() { panel_.focusNextStep(); }
    // The window's menu (a right click opens it): the about item, and below
    // it what a program adds.
    QMenu* windowMenu() const { return menu_; }

    // The one way this window's messages reach the message service.
    MessageAnswer say(const Message& message);

    // devlink::LinkWindow
    bool english() const override { return language_ == English; }
    void showMessage(const std::string& text, devlink::MessageCaption caption) override;
    void setStatusText(const std::string& word) override;
    void showLinkState() override;
    bool intervalReadingTicked() const override { return interval_.ticked(); }
    void stopIntervalTimer() override { interval_.timer().stop(); }
    void startIntervalTimer() override { interval_.timer().start(15000); }
    std::string serialNumberText() const override { return panel_.serialNumberText(); }
    void focusSerialNumber() override;
    // The buttons after the unit's answer to a login (login_buttons.h).
    void loginAnswered(devlink::LoginAnswer answer) override;
    std::string dialNumberText() const override { return panel_.dialNumberText(); }
    void focusDialNumber() override;
    void setConnected(bool connected) override { session_.connected = connected; }
    bool connected() const override { return session_.connected; }
    void enableModemControl(devlink::ModemControl control, bool enable) override {
        buttons_.enableModemControl(control, enable);
    }

    // controller::OperationUi: the caption the message names.
    MessageAnswer say(const controller::Message& message) override;
    void showField(int page, int control) override;
    std::string startDirectory() const override;
    std::string saveFileName(const std::string& title, const std::string& proposed,
                             const std::string& filter) override;
    std::string openFileName(const std::string& title, const std::string& folder,
                             const std::string& filter) override;
    void endProgramNow() override { endProgram(); }

    void enableButtons(ButtonSet set, bool enable) { buttons_.enableSet(set, enable); }

    QLineEdit* comDigitField() const { return edit(controls_.comDigit); }
    QLineEdit* dialNumberField() const { return edit(controls_.dialNumber); }
    QComboBox* locationCombo() const;
    // The alarm-SMS page's list of dial-in numbers; none by default.
    virtual QComboBox* smsNumberCombo() const { return nullptr; }

    // Ends the program at once with exit code 0, after a fatal file problem.
    std::function<void()> endProgram;

    // Set while the window goes away: focus changes then check nothing.
    bool tearingDown() const { return tearingDown_; }

    // The unit operations behind the read button and the interval timer.
    // Returns false when the read failed.
    virtual bool readAll() = 0;
    // The pages' own timers stop: the window goes away.
    virtual void stopPageTimers() {}

    // Runs a unit operation: nothing else of the window starts meanwhile, and
    // the window stays responsive while the unit is awaited. A second
    // operation asked for while one runs is dropped.
    void runOperation(const std::function<void()>& operation);
    // The button's click runs the operation.
    void connectOperation(int controlId, std::function<void()> operation);

  protected:
    virtual void createPages() = 0;
    virtual void applyEnglishLabels() = 0;
    virtual void setUpPageFields() {}
    // Start-up, right after the configuration file: the named settings.
    virtual void loadSettingsStore() {}
    virtual void beforeShowPage(int /*index*/) {}
    virtual void showAboutBox() = 0;
    // Start-up, once the language is known: a program's own menu items,
    // added below the about item.
    virtual void fillWindowMenu(QMenu& /*menu*/) {}

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void moveEvent(QMoveEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    void beginTearDown();
    QLineEdit* edit(int id) const;

  private:
    void connectControls();
    bool recordStartDirectory();
    QString captionText(devlink::MessageCaption caption) const;

    MainWindowControls controls_;
    ProgramTexts texts_;
    MessageService& messages_;
    LanguageFlag language_ = German;
    Session session_;
    devlink::SerialPort port_;
    devlink::DeviceLink link_;
    devlink::ModemLink modem_;
    PageHost pages_;
    WindowButtons buttons_;
    ConnectionPanel panel_{*this};
    IntervalReading interval_{*this};
    ExitSequence exit_{*this};
    std::unique_ptr<WindowConfigUi> configUi_;
    std::unique_ptr<ConfigFile> config_;
    QMenu* menu_ = nullptr;
    bool tearingDown_ = false;
};

}  // namespace shell
