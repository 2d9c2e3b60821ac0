#include "measuring/vantiqo_dlg.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QProcess>

#include "measuring/about_dlg.h"
#include "measuring/chart_dlg.h"
#include "measuring/logger_clear.h"
#include "measuring/logger_readout.h"
#include "measuring/read_measured_value.h"
#include "measuring/readout_progress.h"
#include "measuring/value_recorder.h"
#include "shell/field_checks.h"
#include "shell/operation_guard.h"
#include "shell/status_field.h"

// Resources of a static library are registered by hand, outside any namespace.
static void initVantiqoResources() {
    Q_INIT_RESOURCE(vantiqo);
}

namespace measuring {

namespace {

const QString kCaption = QStringLiteral("Vantiqo");

shell::MessageIcon messageIcon(UiIcon icon) {
    switch (icon) {
        case UiIcon::Information:
            return shell::MessageIcon::Information;
        case UiIcon::Exclamation:
            return shell::MessageIcon::Exclamation;
        case UiIcon::Stop:
            return shell::MessageIcon::Stop;
        case UiIcon::Question:
            return shell::MessageIcon::Question;
        case UiIcon::None:
            break;
    }
    return shell::MessageIcon::None;
}

std::tm pcLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

CVantiqoDlg::CVantiqoDlg(shell::MessageService& messages, QWidget* parent)
    : QDialog(parent),
      messages_(messages),
      port_(*this, false),
      link_(port_, *this, devlink::LinkProfile{"Vantiqo", true}),
      modem_(port_, *this) {
    initVantiqoResources();
    ui_.setupUi(this);
    setWindowTitle(kCaption);
    setFixedSize(size());
    clock = pcLocalTime;
    folderLauncher = startFileManager;
    ui_.exitButton->setDefault(true);
    QFont variantFont = ui_.variantLabel->font();
    variantFont.setBold(true);
    variantFont.setPointSizeF(variantFont.pointSizeF() * 1.4);
    ui_.variantLabel->setFont(variantFont);
    setUpDisplayFields();
    connectControls();
    menu_ = new QMenu(this);
    connect(menu_->addAction(QString::fromUtf8("&Info \u00FCber Vantiqo...")), &QAction::triggered,
            this, [this] { showAboutBox(); });
    recorder_ = std::make_unique<ValueRecorder>(*this);
    recorder_->addMenuItems(*menu_);
}

CVantiqoDlg::~CVantiqoDlg() {
    exiting_ = true;
}

void CVantiqoDlg::setUpDisplayFields() {
    for (QLineEdit* field : {ui_.statusEdit, ui_.measuredValueEdit}) {
        field->setFocusPolicy(Qt::NoFocus);
        field->installEventFilter(this);
    }
    ui_.comDigitEdit->installEventFilter(this);
}

void CVantiqoDlg::connectControls() {
    connect(ui_.comDigitEdit, &QLineEdit::textChanged, this, [this] { onComDigitChanged(); });
    connect(ui_.serialNumberEdit, &QLineEdit::textChanged, this,
            [this] { onDigitsChanged(ui_.serialNumberEdit, 6); });
    // The dial number goes to the modem as typed: dial modifiers such as ","
    // (pause) or "W" (wait for the dial tone) belong in it.
    connect(ui_.modemRadio, &QRadioButton::clicked, this, [this] { onLinkMode(false); });
    connect(ui_.nullModemRadio, &QRadioButton::clicked, this, [this] { onLinkMode(true); });
    connect(ui_.connectButton, &QPushButton::clicked, this, &CVantiqoDlg::connectModem);
    connect(ui_.disconnectButton, &QPushButton::clicked, this, &CVantiqoDlg::disconnectModem);
    connect(ui_.measuredValueButton, &QPushButton::clicked, this, &CVantiqoDlg::readMeasuredValue);
    connect(ui_.loggerReadButton, &QPushButton::clicked, this, &CVantiqoDlg::readOutLogger);
    connect(ui_.loggerClearButton, &QPushButton::clicked, this, &CVantiqoDlg::clearLogger);
    connect(ui_.trendButton, &QPushButton::clicked, this, &CVantiqoDlg::showTrend);
    connect(ui_.exitButton, &QPushButton::clicked, this, &CVantiqoDlg::exitSequence);
}

void CVantiqoDlg::startUp() {
    connected_ = false;
    nullModem_ = true;
    suppressComCheck_ = false;
    ui_.comDigitEdit->setText("1");
    ui_.disconnectButton->setEnabled(false);
    ui_.connectButton->setEnabled(false);
    setStatusText("BEREIT");
    ui_.nullModemRadio->setChecked(true);
    // Null-modem operation needs no connection step.
    enableOperations(true);
    port_.setBaudRate(19200);
    openPortFromComField();
    // The serial number is what the operator types first.
    if (port_.isOpen()) ui_.serialNumberEdit->setFocus();
}

// ---- unit operations -------------------------------------------------------

template <typename Operation>
void CVantiqoDlg::runOperation(Operation operation) {
    if (shell::OperationGuard::isBusy(this)) return;
    shell::OperationGuard guard(this);
    OperationContext context{link_, login_, *this};
    operation(context);
}

void CVantiqoDlg::readMeasuredValue() {
    runOperation([](OperationContext& context) { ReadMeasuredValue(context); });
}

std::optional<MeasuredValue> CVantiqoDlg::readMeasuredValueNow(bool& ran) {
    std::optional<MeasuredValue> measured;
    ran = false;
    runOperation([&](OperationContext& context) {
        ran = true;
        measured = ReadMeasuredValue(context);
    });
    return measured;
}

void CVantiqoDlg::readOutLogger() {
    runOperation([this](OperationContext& context) {
        if (const auto path = ReadOutLogger(context))
            lastReadout_ = QFile::decodeName(path->c_str());
    });
}

void CVantiqoDlg::clearLogger() {
    runOperation([](OperationContext& context) { ClearLogger(context); });
}

void CVantiqoDlg::connectModem() {
    runOperation([this](OperationContext&) { modem_.dialUp(); });
}

void CVantiqoDlg::disconnectModem() {
    runOperation([this](OperationContext&) { modem_.hangUp(); });
}

// The chart of the last readout, or of a file the operator picks.
void CVantiqoDlg::showTrend() {
    QString path = lastReadout_;
    if (path.isEmpty())
        path = messages_.openFileName(this, QString::fromUtf8("Messdaten \u00F6ffnen"), QString(),
                                      CChartDlg::fileFilter());
    if (path.isEmpty()) return;
    if (!chart_) chart_ = new CChartDlg(messages_, this);
    chart_->setVariant(login_.deviceType());
    chart_->openFile(path);
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

bool CVantiqoDlg::startFileManager(const QString& folder) {
    return QProcess::startDetached(QStringLiteral("xdg-open"), {folder});
}

// ---- the device link's effects on the window ---------------------------------

void CVantiqoDlg::showMessage(const std::string& text, devlink::MessageCaption caption) {
    tell(text, caption, UiIcon::None);
}

void CVantiqoDlg::tell(const std::string& text, devlink::MessageCaption, UiIcon icon) {
    // The program's caption and its plain name are the same word.
    messages_.show(this, shell::Message{QString::fromStdString(text), kCaption, messageIcon(icon)});
}

bool CVantiqoDlg::ask(const std::string& text, UiIcon icon) {
    return messages_.show(this, shell::Message{QString::fromStdString(text), kCaption,
                                               messageIcon(icon), shell::MessageButtons::YesNo}) ==
           shell::MessageAnswer::Yes;
}

void CVantiqoDlg::setStatusText(const std::string& word) {
    shell::showStatusWord(ui_.statusEdit, QString::fromStdString(word));
}

void CVantiqoDlg::showLinkState() {
    setStatusText(connected_ ? "ONLINE" : "OFFLINE");
}

void CVantiqoDlg::showRestState() {
    setStatusText(connected_ ? "ONLINE" : "BEREIT");
}

std::string CVantiqoDlg::serialNumberText() const {
    return ui_.serialNumberEdit->text().left(6).toStdString();
}

void CVantiqoDlg::focusSerialNumber() {
    ui_.serialNumberEdit->setFocus();
}

void CVantiqoDlg::showVariant(const std::string& name) {
    setWindowTitle(QString::fromStdString(name));
    ui_.variantLabel->setText(QString::fromStdString(name));
}

std::string CVantiqoDlg::dialNumberText() const {
    return ui_.dialNumberEdit->text().toStdString();
}

void CVantiqoDlg::focusDialNumber() {
    ui_.dialNumberEdit->setFocus();
}

void CVantiqoDlg::enableModemControl(devlink::ModemControl control, bool enable) {
    using devlink::ModemControl;
    switch (control) {
        case ModemControl::ConnectButton:
            ui_.connectButton->setEnabled(enable);
            break;
        case ModemControl::DisconnectButton:
            ui_.disconnectButton->setEnabled(enable);
            break;
        case ModemControl::ReadButton:  // the operations that talk to the unit
            enableOperations(enable);
            break;
        case ModemControl::LinkTypeRadios:
            ui_.modemRadio->setEnabled(enable);
            ui_.nullModemRadio->setEnabled(enable);
            break;
        case ModemControl::WriteButton:
        case ModemControl::HistoryReadButtons:
        case ModemControl::IntervalCheckbox:
            break;  // none in this window
    }
}

void CVantiqoDlg::showMeasuredText(const std::string& text) {
    ui_.measuredValueEdit->setText(QString::fromStdString(text));
}

void CVantiqoDlg::beginProgress(std::uint64_t announced) {
    progress_ = std::make_unique<ReadoutProgressDialog>(announced, this);
}

bool CVantiqoDlg::updateProgress(const ReadoutProgress& progress) {
    return progress_ ? progress_->update(progress) : true;
}

void CVantiqoDlg::endProgress() {
    progress_.reset();
}

CChartDlg* CVantiqoDlg::chartWindow() const {
    return chart_.data();
}

ReadoutProgressDialog* CVantiqoDlg::progressDialog() const {
    return progress_.get();
}

bool CVantiqoDlg::showFolder(const std::string& folder) {
    return folderLauncher && folderLauncher(QFile::decodeName(folder.c_str()));
}

// ---- fields, link mode ------------------------------------------------------

void CVantiqoDlg::enableOperations(bool enable) {
    for (QPushButton* button :
         {ui_.measuredValueButton, ui_.loggerReadButton, ui_.loggerClearButton})
        button->setEnabled(enable);
}

void CVantiqoDlg::onLinkMode(bool nullModem) {
    if (nullModem == nullModem_) return;
    nullModem_ = nullModem;
    ui_.connectButton->setEnabled(!nullModem);
    ui_.disconnectButton->setEnabled(false);
    enableOperations(nullModem);
    setStatusText(nullModem ? "BEREIT" : "OFFLINE");
}

void CVantiqoDlg::complainAt(QLineEdit* field, int position, const QString& text) {
    messages_.show(this, shell::Message{text, kCaption});
    shell::selectOffending(field, position);
}

void CVantiqoDlg::onComDigitChanged() {
    if (checking_) return;
    QLineEdit* field = ui_.comDigitEdit;
    const shell::FieldCheck check = shell::checkComDigit(field->text());
    shell::keepCheckedText(field, check.text, checking_);
    if (check.ok()) return;
    suppressComCheck_ = true;
    complainAt(field, check.badPosition, "Bitte nur die Ziffern 1 - 9 eingeben !");
}

void CVantiqoDlg::onComDigitLeft() {
    // Focus that goes while an operation runs (the desktop switched windows)
    // must not reopen the port in the middle of an exchange.
    if (exiting_ || shell::OperationGuard::isBusy(this)) return;
    if (suppressComCheck_) {
        suppressComCheck_ = false;
        return;
    }
    const shell::FieldCheck check = shell::checkComDigit(ui_.comDigitEdit->text());
    if (check.text.isEmpty()) return;
    if (!check.ok()) return onComDigitChanged();
    openPortFromComField();
}

void CVantiqoDlg::openPortFromComField() {
    const QString digit = ui_.comDigitEdit->text();
    if (digit.isEmpty()) return;
    port_.closePort();
    port_.setPortName("COM" + digit.toStdString());
    const shell::OperationGuard connecting(this);  // a network port may take seconds to connect
    port_.openPort();
}

void CVantiqoDlg::onDigitsChanged(QLineEdit* field, int maxLength) {
    if (checking_) return;
    const shell::FieldCheck check = shell::checkDigits(field->text(), maxLength);
    shell::keepCheckedText(field, check.text, checking_);
    if (!check.ok()) complainAt(field, check.badPosition, "Bitte nur Ziffern eingeben!");
}

// ---- events, exit ------------------------------------------------------------

bool CVantiqoDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_.comDigitEdit && event->type() == QEvent::FocusOut) onComDigitLeft();
    if ((watched == ui_.statusEdit || watched == ui_.measuredValueEdit) &&
        event->type() == QEvent::FocusIn)
        ui_.dialNumberEdit->setFocus();
    return QDialog::eventFilter(watched, event);
}

void CVantiqoDlg::reject() {
    suppressComCheck_ = true;
    exitSequence();
}

void CVantiqoDlg::closeEvent(QCloseEvent* event) {
    if (exiting_) {
        event->accept();
        return;
    }
    event->ignore();
    suppressComCheck_ = true;
    exitSequence();
}

void CVantiqoDlg::exitSequence() {
    if (connected_) {
        tell("Vor dem Beenden des Programms bitte erst die Verbindung trennen !",
             devlink::MessageCaption::ProgramCaption, UiIcon::Stop);
        return;
    }
    recorder_->stop();
    port_.closePort();
    if (chart_) chart_->close();
    exiting_ = true;
    done(0);
}

void CVantiqoDlg::contextMenuEvent(QContextMenuEvent* event) {
    menu_->exec(event->globalPos());
}

void CVantiqoDlg::showAboutBox() {
    CAboutDlg about(this);
    about.exec();
}

}  // namespace measuring
