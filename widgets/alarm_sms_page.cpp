#include "widgets/alarm_sms_page.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "shell/controls.h"
#include "shell/main_window_base.h"
#include "widgets/alarm_sms_inputs.h"
#include "widgets/sms_notice.h"

namespace widgets {

AlarmSmsPage::AlarmSmsPage(shell::MainWindowBase& owner, int selector, const char* version1,
                           const char* version2)
    : ChildPage(owner), selector_(selector), version1_(version1), version2_(version2) {}

QString AlarmSmsPage::noticeText(bool supported) const {
    return smsNoticeText(supported, owner().english(), version1_, version2_);
}

void AlarmSmsPage::setUpInputs(std::initializer_list<QWidget*> hiddenBoxes) {
    for (QWidget* box : hiddenBoxes) box->hide();  // its flag bit travels all the same
    auto* notice = findChild<QPlainTextEdit*>("infoText");
    // The info text is not for editing: the focus moves on to the page's selector.
    onFocus(notice, QEvent::FocusIn, [this] {
        if (QWidget* selector = shell::control(&owner(), selector_)) selector->setFocus();
    });
    notice->document()->setDocumentMargin(2);
    shell::MainWindowBase& window = owner();
    const SmsNumberList numbers{
        [&window](const std::string& number) { window.configFile().AddSmsNumber(number); },
        [&window](const std::string& number) { window.configFile().RemoveSmsNumber(number); }};
    new AlarmSmsInputs(
        window, numbers,
        {findChild<QComboBox*>("smsNumberCombo"),
         findChild<QAbstractButton*>("saveSmsNumberButton"),
         findChild<QAbstractButton*>("deleteSmsNumberButton"), findChild<QLineEdit*>("prefixEdit"),
         findChild<QLineEdit*>("additionalTextEdit")},
        this);
}

void AlarmSmsPage::showAvailability(bool supported) {
    showSmsNotice(findChild<QPlainTextEdit*>("infoText"), noticeText(supported), supported);
    if (supported) return;
    findChild<QComboBox*>("smsNumberCombo")->setEditText(QString());
    findChild<QLineEdit*>("prefixEdit")->clear();
    findChild<QLineEdit*>("additionalTextEdit")->clear();
    findChild<QLabel*>("accessNumberLabel")->setText("-");
}

}  // namespace widgets
