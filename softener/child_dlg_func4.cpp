#include "softener/child_dlg_func4.h"

#include "shell/controls.h"
#include "shell/main_window_base.h"
#include "softener/alarm_sms_inputs.h"
#include "softener/sms_notice.h"

CChildDlg_Func4::CChildDlg_Func4(shell::MainWindowBase& owner) : ChildPage(owner) {
    ui_.setupUi(this);
    ui_.regStopCheck->hide();  // its flag bit travels, the box is never shown
    // The info text is not for editing: the focus moves on to the page's selector.
    onFocus(ui_.infoText, QEvent::FocusIn, [this] {
        if (QWidget* selector = shell::control(&this->owner(), 1296)) selector->setFocus();
    });
    ui_.infoText->document()->setDocumentMargin(2);
    new softener::AlarmSmsInputs(
        owner,
        {ui_.smsNumberCombo, ui_.saveSmsNumberButton, ui_.deleteSmsNumberButton, ui_.prefixEdit,
         ui_.additionalTextEdit},
        this);
}

void CChildDlg_Func4::setUpFields() {
    showSmsCapability(false);
}

QString CChildDlg_Func4::smsInfoText(bool longForm, shell::LanguageFlag language) {
    return softener::smsNoticeText(longForm, language == shell::English, "62M036", "92M038");
}

void CChildDlg_Func4::showSmsCapability(bool longForm) {
    softener::showSmsNotice(ui_.infoText, smsInfoText(longForm, owner().language()), longForm);
    if (longForm) return;
    // A unit without alarm SMS has none of these values.
    ui_.smsNumberCombo->setEditText(QString());
    ui_.prefixEdit->clear();
    ui_.additionalTextEdit->clear();
    ui_.accessNumberLabel->setText("-");
}
