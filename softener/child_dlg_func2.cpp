#include "softener/child_dlg_func2.h"

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
    owner().say({softener::digitsRangeMessage(owner().english(), program1 ? '0' : '1', count),
                 "Aquendor KSV2"});
    field->setFocus();
    field->setSelection(0, 1);
}

void CChildDlg_Func2::setUpFields() {
    widgets::setUpMasks(this, {{1160, "#", "0"},
                               {1162, "###", "000"},
                               {1166, "#", "1"},
                               {1171, "##", "00"},
                               {1172, "##", "00"},
                               {1173, "##", "00"},
                               {1174, "##", "00"},
                               {1208, "##", "00"},
                               {1178, "###.###", "000000"},
                               {1179, "###.###", "000000"},
                               {1186, "###.###", "000000"},
                               {1189, "##.#", "000"},
                               {1194, "#", "0"},
                               {1196, "##", "00"},
                               {1202, "##", "00"}});
    ui_.startProg1Radio->setChecked(true);
    ui_.dosingMeter1Radio->setChecked(true);
    ui_.startInputNormOpenRadio->setChecked(true);
    ui_.stopInputNormOpenRadio->setChecked(true);
}
