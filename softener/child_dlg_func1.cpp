#include "softener/child_dlg_func1.h"

#include "shell/main_window_base.h"
#include "softener/child_dlg_func2.h"
#include "softener/stage_checks.h"
#include "widgets/mask_setup.h"

CChildDlg_Func1::CChildDlg_Func1(shell::MainWindowBase& owner) : ChildPage(owner) {
    ui_.setupUi(this);
    // The interval days count only while the box in front of them is set.
    connect(ui_.intervalActiveCheck, &QCheckBox::clicked, this,
            [this](bool checked) { ui_.intervalDaysEdit->setEnabled(checked); });
    onFocus(ui_.stageCountEdit, QEvent::FocusOut, [this] { checkStageCount(); });
}

QChar CChildDlg_Func1::stageCount() const {
    const QString count = ui_.stageCountEdit->maskedText();
    return count.isEmpty() ? QChar('_') : count[0];
}

// A lower number of stages pulls the start stages of both supplementary
// programs down with it.
void CChildDlg_Func1::checkStageCount() {
    const QChar count = stageCount();
    if (!softener::stageCountAllowed(count)) {
        owner().say({softener::digitsRangeMessage(owner().english(), '1', '8'), "Aquendor KSV2"});
        ui_.stageCountEdit->setFocus();
        ui_.stageCountEdit->setSelection(0, 1);
        return;
    }
    if (partner_) partner_->limitStartStages(count);
}

void CChildDlg_Func1::setUpFields() {
    widgets::setUpMasks(this, {{1291, "###,#", "0000"},
                               {1105, "######", "000000"},
                               {1110, "##:##", "0000"},
                               {1111, "##:##", "0000"},
                               {1117, "##", "00"},
                               {1122, "##", "00"},
                               {1126, "###", "000"},
                               {1131, "#", "1"},
                               {1136, "##", "00"},
                               {1137, "##", "00"},
                               {1138, "##", "00"},
                               {1139, "##", "00"},
                               {1145, "##", "00"},
                               {1150, "##", "00"},
                               {1151, "##", "00"},
                               {1152, "##", "00"},
                               {1273, "#", "0"}});
    ui_.plantTypeButtons->setExclusive(true);
    ui_.oneFilterRadio->setChecked(true);
    ui_.valveChangeOverRadio->setChecked(true);
    ui_.unitDHRadio->setChecked(true);
    ui_.intervalDaysEdit->setEnabled(false);
}

void CChildDlg_Func1::showCapacityUnit(int unit) {
    static const char* const kUnits[] = {"m\u00B3\u00B0dH", "m\u00B3\u00B0f", "gCaCO3"};
    if (unit >= 0 && unit <= 2)
        ui_.exchangeCapacityUnitLabel->setText(QString::fromUtf8(kUnits[unit]));
}
