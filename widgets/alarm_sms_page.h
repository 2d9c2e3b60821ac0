// What the alarm-SMS pages of both controller programs share: the info
// field that tells whether the unit supports alarm SMS and never keeps the
// focus, the dial-in number list with its inputs, and the alarm boxes that
// are carried but never shown. Both pages come from one template layout,
// which names these parts alike.
#pragma once

#include <initializer_list>

#include "shell/child_page.h"

namespace widgets {

class AlarmSmsPage : public shell::ChildPage {
    Q_OBJECT
  public:
    // The info field's text in the interface language, CR LF line ends.
    QString noticeText(bool supported) const;

  protected:
    // selector: the main window's radio button of this page; the two
    // software versions from which units support alarm SMS.
    AlarmSmsPage(shell::MainWindowBase& owner, int selector, const char* version1,
                 const char* version2);

    // Once the page's template is set up.
    void setUpInputs(std::initializer_list<QWidget*> hiddenBoxes);
    // The info field; a unit without alarm SMS has none of the texts: they
    // are emptied and the access number shows "-".
    void showAvailability(bool supported);

  private:
    int selector_;
    const char* version1_;
    const char* version2_;
};

}  // namespace widgets
