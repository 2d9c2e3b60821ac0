// The main window of a controller program, driven by the program's
// profile: it makes and labels the pages, keeps the named settings, and
// runs "lesen" (read-all: status area and parameter record, decoded onto
// the pages) and "schreiben" (the write: checked, backed up, logged in,
// encoded, sent). A program's window adds its template, its unit
// functions and what only it does.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controller/unit_record.h"
#include "controller/value_changes.h"
#include "shell/main_window_base.h"
#include "widgets/controller_profile.h"
#include "widgets/settings_controls.h"

namespace widgets {

class StatusPage;
class StatusRecorder;
class WriteReview;

class ControllerWindow : public shell::MainWindowBase {
    Q_OBJECT
  public:
    ControllerWindow(ControllerProfile profile, shell::MessageService& messages,
                     QWidget* parent = nullptr);
    // The pages go first, while this window is whole: their focus checks
    // look at each other and at this window.
    ~ControllerWindow() override;

    // Read all, from the read button and the interval timer.
    bool readAll() override;
    // Read all after a write or a unit command: the same, reporting only;
    // the second DPI answer is cut as the unit sends it then.
    bool readAllAfterWrite();
    // The "schreiben" / "write" button: what the unit held is backed up
    // first.
    void writeParameters();

    const std::string& statusArea() const { return statusArea_; }
    // The status area last read as named values, with the page's texts.
    controller::UnitValues statusValues() const;
    StatusRecorder& statusRecorder() { return *recorder_; }
    const controller::UnitRecord& parameterRecord() const { return record_; }
    SettingsControls& settings() { return *settings_; }
    const ControllerProfile& profile() const { return profile_; }

    QComboBox* smsNumberCombo() const override;
    void stopPageTimers() override;

    // The record a write would send now: the pages encoded into the record
    // held from the last read.
    controller::UnitRecord recordOfPages();
    // What that write changes against what the unit holds, as the pages show it.
    std::vector<controller::ValueChange> changesOfWrite();
    // The captions of the page selectors, by page number.
    QStringList pageNames() const;
    WriteReview& writeReview() { return *review_; }

    // What the pages hold otherwise than a stored set's value lines: each
    // change's before is the set's text, its after the page's.
    std::vector<controller::ValueChange> changesAgainstLines(const std::vector<std::string>& lines);
    // "Vergleichen ..." / "Compare ...": the pages against a named set, a
    // setting file or a backup of the unit; "Übernehmen" puts it on the pages.
    void compareWithStoredSet();
    // "Sicherungen ..." / "Backups ...": a backup of the unit onto the pages.
    void chooseBackup();

  protected:
    // The template stands: the write button is wired and the window keeps
    // the template's size.
    void finishTemplate();
    // The hosted page, once the pages are made; nullptr before.
    template <typename Page>
    Page* pageAs(int index) const {
        return qobject_cast<Page*>(page(index));
    }
    // The parameter pages as the record codec sees them.
    virtual std::unique_ptr<controller::ParameterForm> makeForm() = 0;
    // The status area and the record just read, onto the pages.
    virtual void decodeAll() = 0;

    void createPages() override;
    void applyEnglishLabels() override;
    void setUpPageFields() override;
    void loadSettingsStore() override;
    void fillWindowMenu(QMenu& menu) override;

  private:
    enum class ReadEntry { Interactive, AfterWrite };
    bool readAllFrom(ReadEntry entry);
    bool backUpUnitRecord();
    shell::ChildPage* page(int index) const;
    StatusPage* statusPage() const;

    ControllerProfile profile_;
    std::vector<shell::ChildPage*> pages_;
    std::string statusArea_;
    controller::UnitRecord record_;
    // What the unit holds as far as the program knows: the last record read
    // or confirmed written. A failed write changes record_, never this.
    controller::UnitRecord unitRecord_;
    std::unique_ptr<SettingsControls> settings_;
    std::unique_ptr<WriteReview> review_;
    std::unique_ptr<StatusRecorder> recorder_;
};

}  // namespace widgets
