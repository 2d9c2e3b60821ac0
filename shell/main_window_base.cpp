#include "shell/main_window_base.h"

#include <unistd.h>
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <cerrno>
#include <climits>

#include "shell/controls.h"
#include "shell/operation_guard.h"
#include "shell/status_field.h"
#include "shell/window_config_ui.h"

namespace shell {

namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

MainWindowBase::MainWindowBase(MainWindowControls controls, ProgramTexts texts,
                               MessageService& messages, QWidget* parent)
    : QDialog(parent),
      controls_(std::move(controls)),
      texts_(std::move(texts)),
      messages_(messages),
      port_(*this),
      link_(port_, *this),
      modem_(port_, *this),
      buttons_(*this, controls_) {
    endProgram = [] { std::exit(0); };
    menu_ = new QMenu(this);
    connect(menu_->addAction(texts_.aboutItem), &QAction::triggered, this,
            [this] { showAboutBox(); });
}

MainWindowBase::~MainWindowBase() {
    beginTearDown();
}

void MainWindowBase::beginTearDown() {
    tearingDown_ = true;
    interval_.timer().stop();
}

QLineEdit* MainWindowBase::edit(int id) const {
    return controlAs<QLineEdit>(this, id);
}

QComboBox* MainWindowBase::locationCombo() const {
    return controlAs<QComboBox>(this, controls_.location);
}

// ---- start-up ------------------------------------------------------------

bool MainWindowBase::startUp(const std::string& commandLine) {
    createPages();
    if (auto* info = controlAs<QRadioButton>(this, controls_.pageSelectors.at(0)))
        info->setChecked(true);
    language_ = determineLanguage(commandLine);
    if (language_ == English) applyEnglishLabels();
    pages_.placePages();
    showPage(0);
    setUpPageFields();
    connectControls();

    panel_.showStartState();
    buttons_.enable(controls_.intervalCheck, false);
    buttons_.disableOperationButtons();

    setStatusText("OFFLINE");
    if (!recordStartDirectory()) return false;
    configUi_ = std::make_unique<WindowConfigUi>(*this);
    config_ = std::make_unique<ConfigFile>(texts_.config, session_.startDirectory.toStdString(),
                                           *configUi_);
    config_->setEnglish(language_ == English);
    config_->LoadAtStart();
    loadSettingsStore();
    fillWindowMenu(*menu_);

    session_.suppressComCheck = false;
    panel_.openPortFromComField();
    if (port_.isOpen()) edit(controls_.serialNumber)->setFocus();
    return true;
}

// Linux paths may be longer than the 255 characters the Windows programs
// could record; a deep start folder must not keep the program from starting.
bool MainWindowBase::recordStartDirectory() {
    char folder[PATH_MAX];
    if (getcwd(folder, sizeof folder) == nullptr) {
        say({QString("System Error Code%1\nexit program").arg(errno), texts_.name,
             MessageIcon::Exclamation});
        return false;
    }
    session_.startDirectory = QString::fromLocal8Bit(folder);
    return true;
}

void MainWindowBase::connectControls() {
    panel_.connectControls();
    interval_.connectControls();
    if (auto* exit = controlAs<QAbstractButton>(this, controls_.exit))
        connect(exit, &QAbstractButton::clicked, this, [this] { exit_.run(); });
    for (std::size_t i = 0; i < controls_.pageSelectors.size(); ++i)
        if (auto* selector = controlAs<QAbstractButton>(this, controls_.pageSelectors[i]))
            connect(selector, &QAbstractButton::clicked, this,
                    [this, i] { showPage(static_cast<int>(i)); });
}

// ---- status field and the device link's window effects --------------------

void MainWindowBase::setStatusText(const std::string& word) {
    showStatusWord(edit(controls_.status), text(word));
}

void MainWindowBase::showLinkState() {
    setStatusText(session_.connected ? "ONLINE" : "OFFLINE");
}

void MainWindowBase::showMessage(const std::string& text, devlink::MessageCaption caption) {
    say(controller::Message{text, caption});
}

void MainWindowBase::focusSerialNumber() {
    edit(controls_.serialNumber)->setFocus();
}

void MainWindowBase::loginAnswered(devlink::LoginAnswer answer) {
    for (const ButtonChange& change : buttonsAfterLogin(answer, intervalReadingTicked()))
        buttons_.enableSet(change.set, change.enable);
}

void MainWindowBase::focusDialNumber() {
    edit(controls_.dialNumber)->setFocus();
}

// ---- messages and what the unit operations need of the window --------------

MessageAnswer MainWindowBase::say(const Message& message) {
    return messages_.show(this, message);
}

QString MainWindowBase::captionText(devlink::MessageCaption caption) const {
    return caption == devlink::MessageCaption::ProgramCaption ? texts_.caption : texts_.name;
}

MessageAnswer MainWindowBase::say(const controller::Message& message) {
    return say({text(message.text), captionText(message.caption), message.icon, message.buttons,
                message.keepOnTop});
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
    return messages_.saveFileName(this, text(title), text(proposed), text(filter)).toStdString();
}

std::string MainWindowBase::openFileName(const std::string& title, const std::string& folder,
                                         const std::string& filter) {
    return messages_.openFileName(this, text(title), text(folder), text(filter)).toStdString();
}

// ---- pages -----------------------------------------------------------------

void MainWindowBase::showPage(int index) {
    beforeShowPage(index);
    pages_.showPage(index);
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

// ---- events ----------------------------------------------------------------

bool MainWindowBase::eventFilter(QObject* watched, QEvent* event) {
    if (tearingDown_) return QDialog::eventFilter(watched, event);
    if (watched == edit(controls_.comDigit) && event->type() == QEvent::FocusOut)
        panel_.comDigitLeft();
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
    exit_.requested();
}

void MainWindowBase::closeEvent(QCloseEvent* event) {
    exit_.closeRequested(event);
}

void MainWindowBase::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    pages_.windowMoved();
}

void MainWindowBase::contextMenuEvent(QContextMenuEvent* event) {
    menu_->exec(event->globalPos());
}

}  // namespace shell
