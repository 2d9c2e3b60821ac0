// The reverse-osmosis program's main window: the controller window on the
// reverse osmosis's profile, with its template and its unit functions.
#pragma once

#include "ui_aquendorpln2_dlg.h"
#include "widgets/controller_window.h"

namespace osmosis {
class CChildDlg_Info;
class CChildDlg_Func1;
class CChildDlg_Func2;
class CChildDlg_Func3;
class Pln2UnitFunctions;
}  // namespace osmosis

class CAquendorPLN2Dlg : public widgets::ControllerWindow {
    Q_OBJECT
  public:
    explicit CAquendorPLN2Dlg(shell::MessageService& messages, QWidget* parent = nullptr);

    osmosis::CChildDlg_Info* infoPage() const;
    osmosis::CChildDlg_Func1* func1Page() const;
    osmosis::CChildDlg_Func2* func2Page() const;
    osmosis::CChildDlg_Func3* func3Page() const;
    // "Fehler quittieren", "PLN zurücksetzen" and "Uhr stellen" read the
    // unit again as the read button does.
    osmosis::Pln2UnitFunctions& unitFunctions() { return *functions_; }

  protected:
    std::unique_ptr<controller::ParameterForm> makeForm() override;
    void decodeAll() override;
    void showAboutBox() override;

  private:
    Ui::AquendorPLN2Dlg ui_;
    osmosis::Pln2UnitFunctions* functions_ = nullptr;
};
