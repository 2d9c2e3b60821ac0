#include "shell/main_window_base.h"

#include <unistd.h>
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <cerrno>
#include <climits>

#include "shell/controls.h"
#include "shell/field_checks.h"
#include "shell/list_combo.h"
#include "shell/operation_guard.h"
#include "shell/status_field.h"
#include "shell/window_config_ui.h"

namespace shell {

MainWindowBase::MainWindowBase(MainWindowControls controls, ProgramTexts texts,
                               MessageService& messages, QWidget* parent)
    : QDialog(parent),
      controls_(std::move(controls)),
      texts_(std::move(texts)),
      messages_(messages),
      port_(*this),
      link_(port_, *this),
      modem_(port_, *this) {
    endProgram = [] { std::exit(0); };
    // A timer of the window: an operation in progress keeps its ticks away.
    intervalTimer_.setParent(this);
    intervalTimer_.setInterval(15000);
    connect(&intervalTimer_, &QTimer::timeout, this,
            [this] { runOperation([this] { onIntervalTick(); }); });
}

MainWindowBase::~MainWindowBase() {
    beginTearDown();
}

void MainWindowBase::beginTearDown() {
    tearingDown_ = true;
    intervalTimer_.stop();
}

QString MainWindowBase::tr2(const char* german, const char* english) const {
    return QString::fromUtf8(language_ == English ? english : german);
}

MessageAnswer MainWindowBase::say(const QString& text, const QString& caption, MessageIcon icon,
                                  MessageButtons buttons, bool keepOnTop) {
    return messages_.show(this, Message{text, caption, icon, buttons, keepOnTop});
}

QLineEdit* MainWindowBase::edit(int id) const {
    return controlAs<QLineEdit>(this, id);
}

void MainWindowBase::enable(int id, bool enable) {
    enableControl(this, id, enable);
}

// Read, write, the unit commands and the histories.
void MainWindowBase::disableOperationButtons() {
    enable(controls_.read, false);
    enable(controls_.write, false);
    enableAll(controls_.commandButtons, false);
    enableAll(controls_.historyButtons, false);
}

void MainWindowBase::enableAll(const std::vector<int>& ids, bool enable) {
    for (int id : ids) enableControl(this, id, enable);
}

// ---- start-up ------------------------------------------------------------

bool MainWindowBase::startUp(const std::string& commandLine) {
    createPages();
    if (auto* info = controlAs<QRadioButton>(this, controls_.pageSelectors.at(0)))
        info->setChecked(true);
    language_ = determineLanguage(commandLine);
    if (language_ == English)
        applyEnglishLabels();
    else
        applyGermanTexts();
    pages_.placePages();
    ShowPage(0);
    setUpPageFields();
    connectControls();

    session_.connected = false;
    session_.linkMode = LinkMode::Modem;
    enable(controls_.disconnect, false);
    controlAs<QRadioButton>(this, controls_.modemRadio)->setChecked(true);
    controlAs<QRadioButton>(this, controls_.baud19200)->setChecked(true);
    port_.setBaudRate(19200);

    enable(controls_.intervalCheck, false);
    disableOperationButtons();

    SetStatusText("OFFLINE");
    if (!recordStartDirectory()) return false;
    configUi_ = std::make_unique<WindowConfigUi>(*this);
    config_ = std::make_unique<ConfigFile>(texts_.config, session_.startDirectory.toStdString(),
                                           *configUi_);
    config_->setEnglish(language_ == English);
    config_->LoadAtStart();
    loadSettingsStore();

    session_.suppressComCheck = false;
    openPortFromComField();
    if (port_.isOpen()) edit(controls_.serialNumber)->setFocus();
    return true;
}

// Linux paths may be longer than the 255 characters the Windows programs
// could record; a deep start folder must not keep the program from starting.
bool MainWindowBase::recordStartDirectory() {
    char folder[PATH_MAX];
    if (getcwd(folder, sizeof folder) == nullptr) {
        say(QString("System Error Code%1\nexit program").arg(errno), texts_.name,
            MessageIcon::Exclamation);
        return false;
    }
    session_.startDirectory = QString::fromLocal8Bit(folder);
    return true;
}

QComboBox* MainWindowBase::locationCombo() const {
    return controlAs<QComboBox>(this, controls_.location);
}

void MainWindowBase::openPortFromComField() {
    const QString digit = edit(controls_.comDigit)->text();
    if (digit.isEmpty()) return;
    port_.closePort();
    port_.setPortName("COM" + digit.toStdString());
    const OperationGuard connecting(this);  // a network port may take seconds to connect
    port_.openPort();
}

void MainWindowBase::connectControls() {
    QLineEdit* com = edit(controls_.comDigit);
    connect(com, &QLineEdit::textChanged, this, [this] { onComDigitChanged(); });
    com->installEventFilter(this);
    connect(edit(controls_.serialNumber), &QLineEdit::textChanged, this,
            [this] { onSerialNumberChanged(); });
    if (controls_.dialNumberChecked)
        connect(edit(controls_.dialNumber), &QLineEdit::textChanged, this,
                [this] { onDialNumberChanged(); });
    prepareListCombo(locationCombo());
    prepareListCombo(smsNumberCombo());
    if (auto* location = locationCombo()) {
        connect(location, &QComboBox::editTextChanged, this, [this] { onLocationEdited(); });
        connect(location, &QComboBox::activated, this, &MainWindowBase::onLocationSelected);
    }
    QLineEdit* status = edit(controls_.status);
    status->setFocusPolicy(Qt::NoFocus);
    status->installEventFilter(this);

    auto clicked = [this](int id, auto handler) {
        if (auto* button = controlAs<QAbstractButton>(this, id))
            connect(button, &QAbstractButton::clicked, this, handler);
    };
    clicked(controls_.modemRadio, [this] { onLinkMode(LinkMode::Modem); });
    clicked(controls_.nullModemRadio, [this] { onLinkMode(LinkMode::NullModem); });
    clicked(controls_.baud9600, [this] { onBaudClicked(); });
    clicked(controls_.baud19200, [this] { onBaudClicked(); });
    clicked(controls_.intervalCheck, [this](bool checked) {
        runOperation([this, checked] { onIntervalClicked(checked); });
    });
    connectOperation(controls_.read, [this] { onReadClicked(); });
    clicked(controls_.exit, [this] { exitSequence(); });
    connectOperation(controls_.connect, [this] { modem_.dialUp(); });
    connectOperation(controls_.disconnect, [this] { modem_.hangUp(); });
    clicked(controls_.saveLocation, [this] { onSaveLocation(); });
    clicked(controls_.deleteLocation, [this] { onDeleteLocation(); });
    for (std::size_t i = 0; i < controls_.pageSelectors.size(); ++i)
        clicked(controls_.pageSelectors[i], [this, i] { ShowPage(static_cast<int>(i)); });
}

// ---- status field and the device link's window effects --------------------

void MainWindowBase::SetStatusText(const QString& word) {
    showStatusWord(edit(controls_.status), word);
}

void MainWindowBase::ShowLinkState() {
    SetStatusText(session_.connected ? "ONLINE" : "OFFLINE");
}

void MainWindowBase::setStatusText(const std::string& word) {
    SetStatusText(QString::fromStdString(word));
}

void MainWindowBase::showMessage(const std::string& text, devlink::MessageCaption caption) {
    say(QString::fromStdString(text),
        caption == devlink::MessageCaption::ProgramCaption ? texts_.caption : texts_.name);
}

// ---- what the unit operations need of the window ---------------------------

MessageAnswer MainWindowBase::say(const controller::Message& message) {
    const bool programCaption = message.caption == devlink::MessageCaption::ProgramCaption;
    return say(QString::fromStdString(message.text), programCaption ? texts_.caption : texts_.name,
               message.icon, message.buttons, message.keepOnTop);
}

// The page with the field comes to the front, the field's text selected.
void MainWindowBase::showField(int page, int control) {
    const int selector = controls_.pageSelectors.at(static_cast<std::size_t>(page));
    if (auto* button = controlAs<QAbstractButton>(this, selector)) button->click();
    if (QWidget* widget = shell::control(pages_.page(page), control)) {
        widget->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
    }
}

std::string MainWindowBase::startDirectory() const {
    return session_.startDirectory.toLocal8Bit().toStdString();
}

std::string MainWindowBase::saveFileName(const std::string& title, const std::string& proposed,
                                         const std::string& filter) {
    return messages_
        .saveFileName(this, QString::fromStdString(title), QString::fromStdString(proposed),
                      QString::fromStdString(filter))
        .toStdString();
}

std::string MainWindowBase::openFileName(const std::string& title, const std::string& folder,
                                         const std::string& filter) {
    return messages_
        .openFileName(this, QString::fromStdString(title), QString::fromStdString(folder),
                      QString::fromStdString(filter))
        .toStdString();
}

bool MainWindowBase::intervalReadingTicked() const {
    auto* box = controlAs<QCheckBox>(this, controls_.intervalCheck);
    return box && box->isChecked();
}

std::string MainWindowBase::serialNumberText() const {
    return edit(controls_.serialNumber)->text().left(6).toStdString();
}

void MainWindowBase::focusSerialNumber() {
    edit(controls_.serialNumber)->setFocus();
}

void MainWindowBase::loginAnswered(devlink::LoginAnswer answer) {
    for (const ButtonChange& change : buttonsAfterLogin(answer, intervalReadingTicked()))
        enableButtons(change.set, change.enable);
}

void MainWindowBase::enableButtons(ButtonSet set, bool on) {
    switch (set) {
        case ButtonSet::FullAccess:
            enableAll(controls_.fullAccessButtons, on);
            break;
        case ButtonSet::WriteButtons:
            enable(controls_.write, on);
            enableAll(controls_.commandButtons, on);
            break;
        case ButtonSet::HistoryReadButtons:
            enableAll(controls_.historyButtons, on);
            break;
        case ButtonSet::IntervalCheckbox:
            enable(controls_.intervalCheck, on);
            break;
    }
}

std::string MainWindowBase::dialNumberText() const {
    return edit(controls_.dialNumber)->text().toStdString();
}

void MainWindowBase::focusDialNumber() {
    edit(controls_.dialNumber)->setFocus();
}

void MainWindowBase::enableModemControl(devlink::ModemControl control, bool on) {
    using devlink::ModemControl;
    switch (control) {
        case ModemControl::ConnectButton:
            enable(controls_.connect, on);
            break;
        case ModemControl::DisconnectButton:
            enable(controls_.disconnect, on);
            break;
        case ModemControl::ReadButton:
            enable(controls_.read, on);
            break;
        case ModemControl::WriteButton:
            enable(controls_.write, on);
            break;
        case ModemControl::HistoryReadButtons:
            enableAll(controls_.historyButtons, on);
            break;
        case ModemControl::IntervalCheckbox:
            enable(controls_.intervalCheck, on);
            break;
        case ModemControl::LinkTypeRadios:
            enable(controls_.modemRadio, on);
            enable(controls_.nullModemRadio, on);
            break;
    }
}

// ---- link mode, speed, cyclic reading --------------------------------------

void MainWindowBase::onLinkMode(LinkMode mode) {
    if (mode == session_.linkMode) return;
    session_.linkMode = mode;
    if (mode == LinkMode::Modem) {
        enable(controls_.connect, true);
        disableOperationButtons();
    } else {
        enable(controls_.connect, false);
        enable(controls_.disconnect, false);
        enable(controls_.read, true);
    }
}

void MainWindowBase::onBaudClicked() {
    auto* fast = controlAs<QRadioButton>(this, controls_.baud19200);
    port_.setBaudRate(fast && fast->isChecked() ? 19200 : 9600);
    const OperationGuard connecting(this);
    port_.reopenPort();
}

void MainWindowBase::setLinkAndSpeedRadios(bool on) {
    enable(controls_.baud9600, on);
    enable(controls_.baud19200, on);
    if (on && session_.connected) return;
    enable(controls_.modemRadio, on);
    enable(controls_.nullModemRadio, on);
}

void MainWindowBase::onIntervalClicked(bool checked) {
    if (checked) {
        disableOperationButtons();
        setLinkAndSpeedRadios(false);
        intervalTimer_.start(15000);
        if (!readAll()) StopIntervalReading();
        return;
    }
    intervalTimer_.stop();
    if (!readAll()) StopIntervalReading();
    if (!session_.connected && session_.linkMode == LinkMode::Modem) return;
    enable(controls_.read, true);
    setLinkAndSpeedRadios(true);
}

void MainWindowBase::onReadClicked() {
    if (!readAll()) StopIntervalReading();
}

void MainWindowBase::onIntervalTick() {
    if (!readAll()) StopIntervalReading();
}

void MainWindowBase::StopIntervalReading() {
    auto* box = controlAs<QCheckBox>(this, controls_.intervalCheck);
    if (!box || !box->isChecked()) return;
    intervalTimer_.stop();
    enable(controls_.read, true);
    enable(controls_.intervalCheck, false);
    setLinkAndSpeedRadios(true);
    box->setChecked(false);
}

// ---- pages -----------------------------------------------------------------

void MainWindowBase::ShowPage(int index) {
    beforeShowPage(index);
    pages_.showPage(index);
}

void MainWindowBase::focusNextStep() {
    const int next = session_.linkMode == LinkMode::Modem ? controls_.connect : controls_.read;
    if (QWidget* target = control(this, next)) target->setFocus();
}

// ---- field checks ----------------------------------------------------------

void MainWindowBase::complainAt(QLineEdit* field, int position, const QString& text,
                                const QString& caption) {
    say(text, caption);
    selectOffending(field, position);
}

void MainWindowBase::onComDigitChanged() {
    if (checking_) return;
    QLineEdit* field = edit(controls_.comDigit);
    const FieldCheck check = checkComDigit(field->text());
    keepCheckedText(field, check.text, checking_);
    if (check.ok()) return;
    session_.suppressComCheck = true;
    complainAt(
        field, check.badPosition,
        tr2("Bitte nur die Ziffern 1 - 9 eingeben !", "please insert numbers (1 - 9) only !"),
        texts_.caption);
}

// ---- operations --------------------------------------------------------------

// An operation runs to its end before the window takes anything else, but
// the window keeps repainting and answering the desktop while the unit or
// the modem is awaited.
void MainWindowBase::runOperation(const std::function<void()>& operation) {
    if (OperationGuard::isBusy(this)) return;
    OperationGuard guard(this);
    operation();
}

void MainWindowBase::connectOperation(int controlId, std::function<void()> operation) {
    if (auto* button = controlAs<QAbstractButton>(this, controlId))
        connect(button, &QAbstractButton::clicked, this,
                [this, operation = std::move(operation)] { runOperation(operation); });
}

void MainWindowBase::onComDigitLeft() {
    // Focus that goes while an operation runs (the desktop switched
    // windows) must not reopen the port in the middle of an exchange.
    if (OperationGuard::isBusy(this)) return;
    if (session_.suppressComCheck) {
        session_.suppressComCheck = false;
        return;
    }
    QLineEdit* field = edit(controls_.comDigit);
    const FieldCheck check = checkComDigit(field->text());
    if (check.text.isEmpty()) return;
    if (!check.ok()) {
        onComDigitChanged();
        return;
    }
    openPortFromComField();
}

void MainWindowBase::onSerialNumberChanged() {
    if (checking_) return;
    if (controls_.writeDisabledBySerialChange) enable(controls_.write, false);
    QLineEdit* field = edit(controls_.serialNumber);
    const FieldCheck check = checkDigits(field->text(), 6);
    keepCheckedText(field, check.text, checking_);
    if (!check.ok())
        complainAt(field, check.badPosition,
                   tr2("Bitte nur Ziffern eingeben!", "Please insert numbers only!"), texts_.name);
}

void MainWindowBase::onDialNumberChanged() {
    if (checking_) return;
    QLineEdit* field = edit(controls_.dialNumber);
    const FieldCheck check = checkDigits(field->text(), 20);
    keepCheckedText(field, check.text, checking_);
    if (!check.ok())
        complainAt(field, check.badPosition,
                   tr2("Bitte nur Ziffern eingeben!", "Please insert numbers only!"), texts_.name);
}

void MainWindowBase::onLocationEdited() {
    if (checking_) return;
    auto* combo = controlAs<QComboBox>(this, controls_.location);
    QLineEdit* field = combo ? combo->lineEdit() : nullptr;
    if (!field) return;
    const FieldCheck check = checkLocation(field->text());
    if (check.text == field->text()) return;
    keepCheckedText(field, check.text, checking_);
    field->setCursorPosition(static_cast<int>(check.text.size()));
}

// ---- phonebook -------------------------------------------------------------

void MainWindowBase::onLocationSelected(int index) {
    config_->FindDialNumber(locationCombo()->itemText(index).toStdString());
}

void MainWindowBase::onSaveLocation() {
    config_->AddLocation(locationCombo()->currentText().toStdString(),
                         edit(controls_.dialNumber)->text().toStdString());
}

void MainWindowBase::onDeleteLocation() {
    config_->RemoveLocation(locationCombo()->currentText().toStdString());
}

// ---- events ----------------------------------------------------------------

bool MainWindowBase::eventFilter(QObject* watched, QEvent* event) {
    if (tearingDown_) return QDialog::eventFilter(watched, event);
    if (watched == edit(controls_.comDigit) && event->type() == QEvent::FocusOut) onComDigitLeft();
    if (watched == edit(controls_.status) && event->type() == QEvent::FocusIn) focusNextStep();
    return QDialog::eventFilter(watched, event);
}

void MainWindowBase::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();  // Enter never closes the window
        return;
    }
    QDialog::keyPressEvent(event);  // Escape ends up in reject()
}

void MainWindowBase::reject() {
    session_.suppressComCheck = true;
    exitSequence();
}

void MainWindowBase::closeEvent(QCloseEvent* event) {
    if (exiting_) {
        event->accept();
        return;
    }
    event->ignore();
    session_.suppressComCheck = true;
    exitSequence();
}

void MainWindowBase::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    pages_.windowMoved();
}

void MainWindowBase::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* about = menu.addAction(texts_.aboutItem);
    if (menu.exec(event->globalPos()) == about) showAboutBox();
}

// ---- exit ------------------------------------------------------------------

void MainWindowBase::exitSequence() {
    if (session_.connected &&
        say(tr2("Vor dem Beenden des Programms bitte erst die Verbindung trennen !\n"
                "Programm beenden ?",
                "Before you cancel the program, please disconnect the connection !\n"
                "Exit program ?"),
            texts_.caption, MessageIcon::Stop, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    // Only a digit the file can take back at the next start is offered for
    // storing: "COM0" would make the file unreadable.
    const QString digit = edit(controls_.comDigit)->text();
    const bool valid = checkComDigit(digit).ok() && !digit.isEmpty();
    if (config_) config_->StorePortDigit(valid ? digit[0].toLatin1() : '\0');
    port_.closePort();
    stopPageTimers();
    intervalTimer_.stop();
    pages_.destroyPages();
    exiting_ = true;
    done(0);
}

}  // namespace shell
