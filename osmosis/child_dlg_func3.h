// Parameter page 3 of the reverse-osmosis program: the alarm SMS. Which
// alarms send an SMS, the dial-in number (chosen from the numbers kept in
// the configuration file), the outside-line prefix, the provider access
// number the unit reports and an additional text. Usable only for units
// that support alarm SMS (the long parameter form).
#pragma once

#include "ui_pln2_func3.h"
#include "widgets/alarm_sms_page.h"

namespace osmosis {

class CChildDlg_Func3 : public widgets::AlarmSmsPage {
    Q_OBJECT
  public:
    explicit CChildDlg_Func3(shell::MainWindowBase& owner);
    // At start the info field names the software versions, while the
    // controls stay usable until the first read decides.
    void setUpFields() override { showAvailability(false); }

    // After every parameter read. A unit without alarm SMS gets the
    // controls disabled, the texts emptied, "-" as access number and all
    // 14 boxes cleared.
    void setSmsAvailable(bool supported);

  private:
    Ui::Pln2ChildDlgFunc3 ui_;
};

}  // namespace osmosis
