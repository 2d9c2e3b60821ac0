#include "softener/child_dlg_func2.h"

#include "resources/ids/ksv2_ids.h"
#include "shell/main_window_base.h"
#include "softener/child_dlg_func1.h"
#include "softener/stage_checks.h"
#include "widgets/mask_setup.h"

CChildDlg_Func2::CChildDlg_Func2(shell::MainWindowBase& owner) : ChildPage(owner) {
    ui_.setupUi(this);
    onFocus(ui_.program1StageEdit, QEvent::FocusOut, [this] { checkStartStage(true); });
    onFocus(ui_.program2StageEdit, QEvent::FocusOut, [this] { checkStartStage(false); });
}

namespace {

QChar firstCharacter(const SPMaskEdit* field) {
    const QString text = field->maskedText();
    return text.isEmpty() ? QChar() : text[0];
}

}  // namespace

void CChildDlg_Func2::limitStartStages(QChar count) {
    for (SPMaskEdit* field : {ui_.program1StageEdit, ui_.program2StageEdit})
        if (firstCharacter(field) > count) field->setMaskedText(QString(count));
}

void CChildDlg_Func2::checkStartStage(bool program1) {
    SPMaskEdit* field = program1 ? ui_.program1StageEdit : ui_.program2StageEdit;
    const QChar stage = firstCharacter(field);
    if (stage.isNull()) return;
    const QChar count = partner_ ? partner_->stageCount() : QChar('8');
    const bool allowed = program1 ? softener::program1StageAllowed(stage, count)
                                  : softener::program2StageAllowed(stage, count);
    if (allowed) return;
    owner().say(softener::digitsRangeMessage(owner().english(), program1 ? '0' : '1', count),
                "Aquendor KSV2");
    field->setFocus();
    field->setSelection(0, 1);
}

void CChildDlg_Func2::setUpFields() {
    using namespace ksv2::ids;
    widgets::setUpMasks(this, {{Program1StageEdit, "#", "0"},
                               {Program1DurationEdit, "###", "000"},
                               {Program2StageEdit, "#", "1"},
                               {Program2Time1Edit, "##", "00"},
                               {Program2Time2Edit, "##", "00"},
                               {Program2Time3Edit, "##", "00"},
                               {Program2Time4Edit, "##", "00"},
                               {StartInputDelayEdit, "##", "00"},
                               {WaterMeter1RateEdit, "###.###", "000000"},
                               {WaterMeter2RateEdit, "###.###", "000000"},
                               {ResolutionEdit, "###.###", "000000"},
                               {ImpulseLengthEdit, "##.#", "000"},
                               {DisinfectionStageEdit, "#", "0"},
                               {SuctionTimeEdit, "##", "00"},
                               {StopInputDelayEdit, "##", "00"}});
    ui_.startProg1Radio->setChecked(true);
    ui_.dosingMeter1Radio->setChecked(true);
    ui_.startInputNormOpenRadio->setChecked(true);
    ui_.stopInputNormOpenRadio->setChecked(true);
}
