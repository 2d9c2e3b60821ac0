// Parameter page 4: the alarm-SMS settings of units that support them.
#pragma once

#include "ui_childdlg_func4.h"
#include "widgets/alarm_sms_page.h"

class CChildDlg_Func4 : public widgets::AlarmSmsPage {
    Q_OBJECT
  public:
    explicit CChildDlg_Func4(shell::MainWindowBase& owner);
    void setUpFields() override;

    // The info field: whether the unit supports alarm SMS, in the
    // interface language; dark green when it does, red when it does not.
    void showSmsCapability(bool longForm) { showAvailability(longForm); }

  private:
    Ui::ChildDlgFunc4 ui_;
};
