#include "softener/child_dlg_info.h"

#include <cstdio>

#include "devlink/fields.h"
#include "resources/ids/ksv2_ids.h"
#include "shell/main_window_base.h"
#include "softener/parameter_record.h"
#include "widgets/mask_setup.h"

namespace {

// Function lamps 1 to 4 (the regenerations and supplementary programs) and
// 8 (the alarm) blink.
widgets::LampRows softenerLampRows() {
    return {253, 316, 374, {0, 1, 2, 3, 7}};
}

}  // namespace

CChildDlg_Info::CChildDlg_Info(shell::MainWindowBase& owner)
    : widgets::StatusPage(owner, softenerLampRows()) {
    using namespace ksv2::ids;
    ui_.setupUi(this);
    using widgets::pictureWithWhiteTransparent;
    ui_.dropPictogram->setPixmap(
        widgets::pictureWithWhiteTransparent(":/images/pictogram_drop.xpm"));
    ui_.chemicalsPictogram->setPixmap(
        widgets::pictureWithWhiteTransparent(":/images/pictogram_chemicals.xpm"));
    ui_.hornPictogram->setPixmap(
        widgets::pictureWithWhiteTransparent(":/images/pictogram_horn.xpm"));
    makeReadOnly({PlantStatusEdit, ResidualCapacityEdit, HardnessEdit, RegenerationStageEdit,
                  RemainingTimeEdit, WaterMeter1Edit, WaterMeter2Edit, OperationHoursEdit,
                  LastAccessEdit});
}

void CChildDlg_Info::setUpFields() {
    using namespace ksv2::ids;
    widgets::setUpMasks(this, {{ResidualCapacityEdit, "####,#", "00000"},
                               {HardnessEdit, "###,#", "0000"},
                               {RegenerationStageEdit, "#", "0"},
                               {RemainingTimeEdit, "##", "00"},
                               {WaterMeter1Edit, "#####,#", "000000"},
                               {WaterMeter2Edit, "#####,#", "000000"}});
}

void CChildDlg_Info::showStatus(const std::string& area, int plantType, double hardness) {
    using controller::maskCharacters;
    namespace st = softener::status;
    ui_.residualCapacityEdit->setMaskedText(QString::fromLatin1(
        maskCharacters("%06.1f", devlink::decodeFloat(area, st::kResidualCapacity))));
    ui_.hardnessEdit->setMaskedText(QString::fromLatin1(maskCharacters("%05.1f", hardness)));
    ui_.waterMeter1Edit->setMaskedText(QString::fromLatin1(
        maskCharacters("%7.1f", devlink::decodeFloat(area, st::kWaterMeter1) / 1000)));
    ui_.waterMeter2Edit->setMaskedText(QString::fromLatin1(
        maskCharacters("%07.1f", devlink::decodeFloat(area, st::kWaterMeter2) / 1000)));
    ui_.operationHoursEdit->setText(
        QString::number(devlink::decodeWord32(area, st::kOperationHours)));
    ui_.lastAccessEdit->setText(QString::fromLatin1(softener::lastAccessText(area)));
    showPlantStatus(area, plantType);

    lampPanel().show(softener::lampBits(area), devlink::decodeByte(area, st::kBlink));
}

void CChildDlg_Info::showPlantStatus(const std::string& area, int plantType) {
    const int code = softener::plantStatusCode(plantType, area);
    const softener::PlantStatus shown = softener::plantStatusText(code);
    if (!shown.german) return;  // no code applies: the text stays as it was
    ui_.plantStatusEdit->setText(
        QString::fromUtf8(owner().language() == shell::English ? shown.english : shown.german));
    namespace st = softener::status;
    const std::size_t stage =
        shown.stage == softener::StageShown::Filter2 ? st::kStage2 : st::kStage1;
    const std::size_t minutes =
        shown.stage == softener::StageShown::Filter2 ? st::kMinutes2 : st::kMinutes1;
    if (shown.stage == softener::StageShown::Reset) {
        resetStage();
        return;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%1i", devlink::decodeByte(area, stage));
    ui_.regenerationStageEdit->setMaskedText(QString::fromLatin1(text));
    std::snprintf(text, sizeof text, "%2i", devlink::decodeByte(area, minutes));
    ui_.remainingTimeEdit->setMaskedText(QString::fromLatin1(text));
}

void CChildDlg_Info::resetStage() {
    ui_.regenerationStageEdit->setMask("#");
    ui_.regenerationStageEdit->setMaskedText("0");
    ui_.remainingTimeEdit->setMask("##");
    ui_.remainingTimeEdit->setMaskedText("00");
}

void CChildDlg_Info::showHardnessUnit(int unit) {
    static const char* const kCapacity[] = {"m\u00B3\u00B0dH", "m\u00B3\u00B0f", "gCaCO3"};
    static const char* const kHardness[] = {"\u00B0dH", "\u00B0f", "ppmCaCO3"};
    if (unit < 0 || unit > 2) return;
    ui_.capacityUnitLabel->setText(QString::fromUtf8(kCapacity[unit]));
    ui_.hardnessUnitLabel->setText(QString::fromUtf8(kHardness[unit]));
}
