#include "osmosis/child_dlg_info.h"

#include "controller/status_values.h"
#include "widgets/mask_setup.h"

namespace osmosis {

namespace {

// Only function lamp 8, the red one, blinks.
widgets::LampRows osmosisLampRows() {
    return {220, 285, 350, {7}};
}

}  // namespace

CChildDlg_Info::CChildDlg_Info(shell::MainWindowBase& owner)
    : StatusPage(owner, osmosisLampRows()) {
    ui_.setupUi(this);
    using widgets::pictureWithWhiteTransparent;
    ui_.dropPictogram->setPixmap(pictureWithWhiteTransparent(":/images/pictogram_drop.xpm"));
    ui_.tapPictogram->setPixmap(pictureWithWhiteTransparent(":/images/pictogram_tap.xpm"));
    makeReadOnly({1041, 1042, 1043, 1044, 1199, 1200, 1049, 1048});
}

// Empty positions of this program's masked fields show a blank.
void CChildDlg_Info::setUpFields() {
    widgets::setUpMasks(this,
                        {{1042, "####,##", "000000"},
                         {1043, "##", "00"},
                         {1044, "##", "00"},
                         {1199, "####,####", "00000000"},
                         {1200, "####,####", "00000000"}},
                        QChar(' '));
}

// The meters are shown in m³ as the unit sends them.
void CChildDlg_Info::showStatus(const controller::UnitValues& values) {
    const auto masked = [&](SPMaskEdit* field, const char* name) {
        field->setMaskedText(QString::fromLatin1(controller::valueNamed(values, name).characters));
    };
    const auto shown = [&](const char* name) {
        return QString::fromUtf8(controller::valueNamed(values, name).shown.german);
    };
    masked(ui_.conductivityEdit, "conductivity");
    masked(ui_.temperatureEdit, "temperature");
    masked(ui_.pressureEdit, "pressure");
    masked(ui_.permeateEdit, "permeate_meter");
    masked(ui_.concentrateEdit, "concentrate_meter");
    ui_.operationHoursEdit->setText(shown("operation_hours"));
    ui_.lastAccessEdit->setText(shown("last_access"));
    // No English texts exist; an unknown code leaves the text as it was.
    if (controller::valueNamed(values, "plant_status").present)
        ui_.plantStatusEdit->setText(shown("plant_status"));
    lampPanel().show(controller::lampBitsOf(values), controller::blinkByteOf(values));
}

}  // namespace osmosis
