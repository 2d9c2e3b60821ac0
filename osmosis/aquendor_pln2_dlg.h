// The reverse-osmosis program's main window.
#pragma once

#include <memory>
#include <string>

#include "controller/unit_record.h"
#include "shell/main_window_base.h"
#include "ui_aquendorpln2_dlg.h"

namespace osmosis {
class CChildDlg_Info;
class CChildDlg_Func1;
class CChildDlg_Func2;
class CChildDlg_Func3;
class Pln2UnitFunctions;
}  // namespace osmosis
namespace widgets {
class SettingsControls;
}

class CAquendorPLN2Dlg : public shell::MainWindowBase {
    Q_OBJECT
  public:
    explicit CAquendorPLN2Dlg(shell::MessageService& messages, QWidget* parent = nullptr);
    ~CAquendorPLN2Dlg() override;

    osmosis::CChildDlg_Info* infoPage() const { return info_; }
    osmosis::CChildDlg_Func1* func1Page() const { return func1_; }
    osmosis::CChildDlg_Func2* func2Page() const { return func2_; }
    osmosis::CChildDlg_Func3* func3Page() const { return func3_; }
    osmosis::Pln2UnitFunctions& unitFunctions() { return *functions_; }
    widgets::SettingsControls& settings() { return *settings_; }

    // Read all: from the read button, the interval timer and, after
    // "Fehler quittieren", "PLN zurücksetzen" and "Uhr stellen", the unit
    // commands. Both cut the second DPI answer the same way.
    bool readAll() override;
    QComboBox* smsNumberCombo() const override;
    // The "schreiben" / "write" button: what the unit held is backed up
    // first; the unit is not read again afterwards.
    void writeParameters();

    const std::string& statusArea() const { return statusArea_; }
    const controller::UnitRecord& parameterRecord() const { return record_; }

  protected:
    void createPages() override;
    void applyEnglishLabels() override;
    void setUpPageFields() override;
    void loadSettingsStore() override;
    void stopPageTimers() override;
    void showAboutBox() override;

  private:
    void decodeAll();
    bool backUpUnitRecord();

    Ui::AquendorPLN2Dlg ui_;
    std::string statusArea_;
    controller::UnitRecord record_;
    // What the unit holds as far as the program knows: the last record read
    // or confirmed written. A failed write changes record_, never this.
    controller::UnitRecord unitRecord_;
    osmosis::CChildDlg_Info* info_ = nullptr;
    osmosis::CChildDlg_Func1* func1_ = nullptr;
    osmosis::CChildDlg_Func2* func2_ = nullptr;
    osmosis::CChildDlg_Func3* func3_ = nullptr;
    osmosis::Pln2UnitFunctions* functions_ = nullptr;
    std::unique_ptr<widgets::SettingsControls> settings_;
};
