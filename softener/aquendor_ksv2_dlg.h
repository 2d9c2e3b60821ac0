// The softener program's main window.
#pragma once

#include <memory>

#include "shell/main_window_base.h"
#include "softener/parameter_record.h"
#include "ui_aquendorksv2_dlg.h"

class CChildDlg_Info;
class CChildDlg_Func1;
class CChildDlg_Func2;
class CChildDlg_Func3;
class CChildDlg_Func4;
namespace widgets {
class SettingsControls;
}

class CAquendorKSV2Dlg : public shell::MainWindowBase {
    Q_OBJECT
  public:
    explicit CAquendorKSV2Dlg(shell::MessageService& messages, QWidget* parent = nullptr);
    ~CAquendorKSV2Dlg() override;

    CChildDlg_Info* infoPage() const { return info_; }
    CChildDlg_Func1* func1Page() const { return func1_; }
    CChildDlg_Func2* func2Page() const { return func2_; }
    CChildDlg_Func3* func3Page() const { return func3_; }
    CChildDlg_Func4* func4Page() const { return func4_; }

    // Read all, from the read button and the interval timer.
    bool readAll() override;
    QComboBox* smsNumberCombo() const override;
    // Read all after a write or a unit command: the same, reporting only.
    bool readAllAfterWrite();
    // The "schreiben" / "write" button.
    void writeParameters();

    const std::string& statusArea() const { return statusArea_; }
    const softener::ParameterRecord& parameterRecord() const { return record_; }
    widgets::SettingsControls& settings() { return *settings_; }

  protected:
    void createPages() override;
    void applyEnglishLabels() override;
    void setUpPageFields() override;
    void loadSettingsStore() override;
    void beforeShowPage(int index) override;
    void stopPageTimers() override;
    void showAboutBox() override;

  private:
    enum class ReadEntry { Interactive, AfterWrite };
    bool readAllFrom(ReadEntry entry);
    void decodeAll();
    bool refuseUnreadyWrite();
    bool sendParameterRecord();

    Ui::AquendorKSV2Dlg ui_;
    std::string statusArea_;
    softener::ParameterRecord record_;
    // What the unit holds as far as the program knows: the last record read
    // or confirmed written. A failed write changes record_, never this.
    softener::ParameterRecord unitRecord_;
    CChildDlg_Info* info_ = nullptr;
    CChildDlg_Func1* func1_ = nullptr;
    CChildDlg_Func2* func2_ = nullptr;
    CChildDlg_Func3* func3_ = nullptr;
    CChildDlg_Func4* func4_ = nullptr;
    std::unique_ptr<widgets::SettingsControls> settings_;
};
