#include "softener/child_dlg_func1.h"

#include "resources/ids/ksv2_ids.h"
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
        owner().say(softener::digitsRangeMessage(owner().english(), '1', '8'), "Aquendor KSV2");
        ui_.stageCountEdit->setFocus();
        ui_.stageCountEdit->setSelection(0, 1);
        return;
    }
    if (partner_) partner_->limitStartStages(count);
}

void CChildDlg_Func1::setUpFields() {
    using namespace ksv2::ids;
    widgets::setUpMasks(this, {{RawHardnessEdit, "###,#", "0000"},
                               {CapacityEdit, "######", "000000"},
                               {RegenerationFromEdit, "##:##", "0000"},
                               {RegenerationToEdit, "##:##", "0000"},
                               {TriggerCapacityEdit, "##", "00"},
                               {IntervalDaysEdit, "##", "00"},
                               {MinPauseEdit, "###", "000"},
                               {StageCountEdit, "#", "1"},
                               {Stage1Edit, "##", "00"},
                               {Stage2Edit, "##", "00"},
                               {Stage3Edit, "##", "00"},
                               {Stage4Edit, "##", "00"},
                               {Stage5Edit, "##", "00"},
                               {Stage6Edit, "##", "00"},
                               {Stage7Edit, "##", "00"},
                               {Stage8Edit, "##", "00"},
                               {MaxNumberEdit, "#", "0"}});
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
