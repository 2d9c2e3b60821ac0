#include "softener/child_dlg_info.h"

#include "controller/status_values.h"
#include "resources/ids/ksv2_ids.h"
#include "shell/main_window_base.h"
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

void CChildDlg_Info::showStatus(const controller::UnitValues& values) {
    const auto masked = [&](SPMaskEdit* field, const char* name) {
        const controller::UnitValue& value = controller::valueNamed(values, name);
        if (value.present) field->setMaskedText(QString::fromLatin1(value.characters));
    };
    const auto shown = [&](const char* name) {
        const controller::UnitValue& value = controller::valueNamed(values, name);
        return QString::fromUtf8(value.shown.in(owner().language() == shell::English));
    };
    masked(ui_.residualCapacityEdit, "residual_capacity");
    masked(ui_.hardnessEdit, "total_hardness");
    masked(ui_.waterMeter1Edit, "water_meter_1");
    masked(ui_.waterMeter2Edit, "water_meter_2");
    ui_.operationHoursEdit->setText(shown("operation_hours"));
    ui_.lastAccessEdit->setText(shown("last_access"));
    // Without a plant-status code the text and the stage stay as they were.
    if (controller::valueNamed(values, "plant_status").present)
        ui_.plantStatusEdit->setText(shown("plant_status"));
    masked(ui_.regenerationStageEdit, "regeneration_stage");
    masked(ui_.remainingTimeEdit, "remaining_time");

    lampPanel().show(controller::lampBitsOf(values), controller::blinkByteOf(values));
}

void CChildDlg_Info::showHardnessUnit(int unit) {
    static const char* const kCapacity[] = {"m\u00B3\u00B0dH", "m\u00B3\u00B0f", "gCaCO3"};
    static const char* const kHardness[] = {"\u00B0dH", "\u00B0f", "ppmCaCO3"};
    if (unit < 0 || unit > 2) return;
    ui_.capacityUnitLabel->setText(QString::fromUtf8(kCapacity[unit]));
    ui_.hardnessUnitLabel->setText(QString::fromUtf8(kHardness[unit]));
}
