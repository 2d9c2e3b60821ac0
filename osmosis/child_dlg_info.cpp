#include "osmosis/child_dlg_info.h"

#include "controller/status_values.h"
#include "resources/ids/pln2_ids.h"
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
    using namespace pln2::ids;
    ui_.setupUi(this);
    using widgets::pictureWithWhiteTransparent;
    ui_.dropPictogram->setPixmap(pictureWithWhiteTransparent(":/images/pictogram_drop.xpm"));
    ui_.tapPictogram->setPixmap(pictureWithWhiteTransparent(":/images/pictogram_tap.xpm"));
    makeReadOnly({PlantStatusEdit, ConductivityEdit, TemperatureEdit, PressureEdit, PermeateEdit,
                  ConcentrateEdit, OperationHoursEdit, LastAccessEdit});
}

// Empty positions of this program's masked fields show a blank.
void CChildDlg_Info::setUpFields() {
    using namespace pln2::ids;
    widgets::setUpMasks(this,
                        {{ConductivityEdit, "####,##", "000000"},
                         {TemperatureEdit, "##", "00"},
                         {PressureEdit, "##", "00"},
                         {PermeateEdit, "####,####", "00000000"},
                         {ConcentrateEdit, "####,####", "00000000"}},
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
