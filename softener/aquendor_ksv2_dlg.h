// The softener program's main window: the controller window on the
// softener's profile, with its template, its unit functions and what only
// it does when a page is shown.
#pragma once

#include "ui_aquendorksv2_dlg.h"
#include "widgets/controller_window.h"

class CChildDlg_Info;
class CChildDlg_Func1;
class CChildDlg_Func2;
class CChildDlg_Func3;
class CChildDlg_Func4;

class CAquendorKSV2Dlg : public widgets::ControllerWindow {
    Q_OBJECT
  public:
    explicit CAquendorKSV2Dlg(shell::MessageService& messages, QWidget* parent = nullptr);

    CChildDlg_Info* infoPage() const;
    CChildDlg_Func1* func1Page() const;
    CChildDlg_Func2* func2Page() const;
    CChildDlg_Func3* func3Page() const;
    CChildDlg_Func4* func4Page() const;

  protected:
    std::unique_ptr<controller::ParameterForm> makeForm() override;
    void decodeAll() override;
    void beforeShowPage(int index) override;
    void showAboutBox() override;

  private:
    Ui::AquendorKSV2Dlg ui_;
};
