#include "widgets/controller_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QMenu>

#include "controller/backup_before_write.h"
#include "controller/parameter_values.h"
#include "controller/record_exchange.h"
#include "devlink/login.h"
#include "shell/controls.h"
#include "widgets/compare_dlg.h"
#include "widgets/status_page.h"
#include "widgets/status_recorder.h"
#include "widgets/window_compare_source.h"
#include "widgets/write_review.h"

namespace widgets {

ControllerWindow::ControllerWindow(ControllerProfile profile, shell::MessageService& messages,
                                   QWidget* parent)
    : MainWindowBase(profile.controls, profile.texts, messages, parent),
      profile_(std::move(profile)),
      record_(profile_.layout->form),
      unitRecord_(profile_.layout->form),
      review_(std::make_unique<WriteReview>(*this)),
      recorder_(std::make_unique<StatusRecorder>(*this)) {}

ControllerWindow::~ControllerWindow() {
    beginTearDown();
    for (auto page = pages_.rbegin(); page != pages_.rend(); ++page) delete *page;
}

void ControllerWindow::finishTemplate() {
    connectOperation(controls().write, [this] { writeParameters(); });
    setFixedSize(size());
}

shell::ChildPage* ControllerWindow::page(int index) const {
    const auto at = static_cast<std::size_t>(index);
    return at < pages_.size() ? pages_[at] : nullptr;
}

StatusPage* ControllerWindow::statusPage() const {
    return pageAs<StatusPage>(0);
}

QComboBox* ControllerWindow::smsNumberCombo() const {
    shell::ChildPage* smsPage = page(profile_.smsNumbers.page);
    return smsPage ? shell::controlAs<QComboBox>(smsPage, profile_.smsNumbers.control) : nullptr;
}

// ---- start-up ------------------------------------------------------------------

void ControllerWindow::createPages() {
    pages_ = profile_.createPages(*this);
    pageHost().setPages(shell::control(this, controls().placeholder),
                        std::vector<QWidget*>(pages_.begin(), pages_.end()));
}

void ControllerWindow::applyEnglishLabels() {
    shell::applyLabels(this, *profile_.mainLabels, shell::English);
    for (std::size_t index = 0; index < profile_.pageLabels.size(); ++index)
        shell::applyLabels(pages_.at(index), *profile_.pageLabels[index], shell::English);
}

void ControllerWindow::setUpPageFields() {
    for (shell::ChildPage* each : pages_) each->setUpFields();
}

void ControllerWindow::loadSettingsStore() {
    settings_ = std::make_unique<SettingsControls>(*this, *this, profile_.settingsIds,
                                                   profile_.settings, makeForm());
    settings_->loadNames();
}

void ControllerWindow::fillWindowMenu(QMenu& menu) {
    menu.addSeparator();
    review_->addMenuItem(menu);
    const auto item = [&](const char* name, const char* german, const char* englishText,
                          void (ControllerWindow::*handler)()) {
        QAction* action =
            menu.addAction(QString::fromUtf8(english() ? englishText : german), this, handler);
        action->setObjectName(name);
    };
    item("compareItem", "Vergleichen \u2026", "Compare \u2026",
         &ControllerWindow::compareWithStoredSet);
    item("backupsItem", "Sicherungen \u2026", "Backups \u2026", &ControllerWindow::chooseBackup);
    recorder_->addMenuItems(menu);
}

QStringList ControllerWindow::pageNames() const {
    QStringList names;
    for (int selector : controls().pageSelectors) {
        auto* button = shell::controlAs<QAbstractButton>(this, selector);
        names.append(button ? button->text().trimmed() : QString());
    }
    return names;
}

void ControllerWindow::stopPageTimers() {
    if (StatusPage* status = statusPage()) status->stopBlinking();
}

// ---- reading -------------------------------------------------------------------

bool ControllerWindow::readAll() {
    const bool read = readAllFrom(ReadEntry::Interactive);
    recorder_->afterRead(read);
    return read;
}

controller::UnitValues ControllerWindow::statusValues() const {
    return profile_.statusValues(statusArea_, record_);
}

bool ControllerWindow::readAllAfterWrite() {
    return readAllFrom(ReadEntry::AfterWrite);
}

bool ControllerWindow::readAllFrom(ReadEntry entry) {
    const std::size_t cut = entry == ReadEntry::AfterWrite ? profile_.secondAnswerCutAfterWrite
                                                           : profile_.secondAnswerCut;
    if (!controller::fetchStatusAndRecord(operationContext(),
                                          [this] { statusPage()->stopBlinking(); },
                                          {profile_.statusLength, statusArea_, record_, cut}))
        return false;
    unitRecord_ = record_;
    decodeAll();
    showLinkState();
    return true;
}

// ---- what a write changes -------------------------------------------------------

controller::UnitRecord ControllerWindow::recordOfPages() {
    controller::UnitRecord record = record_;
    profile_.encodeRecord(*makeForm(), record);
    return record;
}

std::vector<controller::ValueChange> ControllerWindow::changesOfWrite() {
    return controller::valueChanges(controller::parameterValues(*profile_.values, unitRecord_),
                                    controller::parameterValues(*profile_.values, recordOfPages()));
}

// ---- comparing with stored sets --------------------------------------------------

std::vector<controller::ValueChange> ControllerWindow::changesAgainstLines(
    const std::vector<std::string>& lines) {
    // Before anything is read the pages are compared on a record of zeros:
    // only what the pages and the set hold can differ.
    controller::UnitRecord pages =
        record_.complete() ? record_ : controller::UnitRecord::zeros(profile_.layout->form, true);
    profile_.encodeRecord(*makeForm(), pages);
    const controller::UnitRecord stored = controller::recordWithLines(
        *profile_.values, profile_.settings.values, profile_.encodeRecord, pages, lines);
    return controller::valueChanges(controller::parameterValues(*profile_.values, stored),
                                    controller::parameterValues(*profile_.values, pages));
}

void ControllerWindow::compareWithStoredSet() {
    WindowCompareSource source(*this);
    CompareDlg compare(source, CompareDlg::Mode::Compare, this);
    if (messages().runDialog(compare) == QDialog::Accepted && compare.chosenLines())
        settings_->store().applyLines(*compare.chosenLines());
}

void ControllerWindow::chooseBackup() {
    WindowCompareSource source(*this);
    CompareDlg backups(source, CompareDlg::Mode::Backups, this);
    if (messages().runDialog(backups) == QDialog::Accepted && backups.chosenLines())
        settings_->store().applyLines(*backups.chosenLines());
}

// ---- writing -------------------------------------------------------------------

void ControllerWindow::writeParameters() {
    const std::unique_ptr<controller::ParameterForm> form = makeForm();
    if (controller::refuseUnreadyWrite(*this, record_, *profile_.layout, *form)) return;
    // The operator sees what the write changes before anything is saved or
    // sent; "Abbrechen" leaves unit, backups and pages as they are.
    if (!review_->approved(changesOfWrite(), pageNames())) {
        showLinkState();
        return;
    }
    // What the unit holds now is kept before anything, the login included,
    // is sent to it.
    if (!backUpUnitRecord()) {
        showLinkState();
        return;
    }
    if (devlink::controllerLogin(link(), devlink::LoginIntent::Write) == 0) return;
    profile_.encodeRecord(*form, record_);
    if (!controller::sendRecord(link(), record_)) return;
    unitRecord_ = record_;  // the unit has confirmed it
    if (profile_.readAgainAfterWrite && !readAllAfterWrite()) return;
    showLinkState();
}

// The record last read, as the pages showed it right after that read.
bool ControllerWindow::backUpUnitRecord() {
    return controller::backUpBeforeWrite(*this, unitRecord_, [this] {
        return controller::decodedAsSettingFile(
            profile_.settings,
            [this](controller::ParameterForm& form) { profile_.decodeRecord(unitRecord_, form); });
    });
}

}  // namespace widgets
