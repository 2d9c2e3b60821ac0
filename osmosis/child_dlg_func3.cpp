#include "osmosis/child_dlg_func3.h"

#include <QCheckBox>

#include "osmosis/parameter_layout.h"
#include "shell/controls.h"
#include "shell/main_window_base.h"
#include "softener/alarm_sms_inputs.h"
#include "softener/sms_notice.h"

namespace osmosis {

namespace {

constexpr int kPageSelector = 1217;  // "Funktionen 3" of the main window

}  // namespace

CChildDlg_Func3::CChildDlg_Func3(shell::MainWindowBase& owner) : ChildPage(owner) {
    ui_.setupUi(this);
    // Their flag bits travel with the others; the boxes are never shown.
    for (QCheckBox* hidden : {ui_.pressureMaxCheck, ui_.rangeExceededCheck, ui_.frostCheck})
        hidden->hide();
    // The notice is not for editing: the focus moves on to the page's selector.
    onFocus(ui_.infoText, QEvent::FocusIn, [this] {
        if (QWidget* selector = shell::control(&this->owner(), kPageSelector)) selector->setFocus();
    });
    ui_.infoText->document()->setDocumentMargin(2);
    new softener::AlarmSmsInputs(
        owner,
        {ui_.smsNumberCombo, ui_.saveSmsNumberButton, ui_.deleteSmsNumberButton, ui_.prefixEdit,
         ui_.additionalTextEdit},
        this);
}

void CChildDlg_Func3::setUpFields() {
    softener::showSmsNotice(ui_.infoText, noticeText(false, owner().language()), false);
}

QString CChildDlg_Func3::noticeText(bool supported, shell::LanguageFlag language) {
    return softener::smsNoticeText(supported, language == shell::English, "63M030", "91M030");
}

void CChildDlg_Func3::setSmsAvailable(bool supported) {
    for (int box : kAlarmBoxes) shell::enableControl(this, box, supported);
    for (QWidget* input : std::initializer_list<QWidget*>{
             ui_.prefixEdit, ui_.smsNumberCombo, ui_.saveSmsNumberButton, ui_.deleteSmsNumberButton,
             ui_.additionalTextEdit})
        input->setEnabled(supported);
    softener::showSmsNotice(ui_.infoText, noticeText(supported, owner().language()), supported);
    if (supported) return;
    // A unit without alarm SMS has none of these values.
    ui_.smsNumberCombo->setEditText(QString());
    ui_.prefixEdit->clear();
    ui_.additionalTextEdit->clear();
    ui_.accessNumberLabel->setText("-");
    for (int box : kAlarmBoxes)
        if (auto* check = shell::controlAs<QCheckBox>(this, box)) check->setChecked(false);
}

}  // namespace osmosis
