#include "osmosis/child_dlg_info.h"

#include "controller/record_codec.h"
#include "devlink/fields.h"
#include "osmosis/status_record.h"
#include "resources/ids/pln2_ids.h"
#include "widgets/mask_setup.h"

namespace osmosis {

namespace {

// Only function lamp 8, the red one, blinks.
widgets::LampRows osmosisLampRows() {
    return {220, 285, 350, {7}};
}

QString maskText(const char* format, double value) {
    return QString::fromLatin1(controller::maskCharacters(format, value));
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
void CChildDlg_Info::showStatus(const std::string& area) {
    using devlink::decodeFloat;
    ui_.conductivityEdit->setMaskedText(
        maskText("%07.2f", decodeFloat(area, status::kConductivity)));
    ui_.temperatureEdit->setMaskedText(maskText("%02.0f", decodeFloat(area, status::kTemperature)));
    ui_.pressureEdit->setMaskedText(maskText("%02.0f", decodeFloat(area, status::kPressure)));
    ui_.permeateEdit->setMaskedText(maskText("%09.4f", decodeFloat(area, status::kPermeateMeter)));
    ui_.concentrateEdit->setMaskedText(
        maskText("%09.4f", decodeFloat(area, status::kConcentrateMeter)));
    ui_.operationHoursEdit->setText(
        QString::number(devlink::decodeWord32(area, status::kOperationHours)));
    ui_.lastAccessEdit->setText(
        QString::fromLatin1(controller::lastAccessText(area, status::kLastAccessHour)));
    // No English texts exist; an unknown code leaves the text as it was.
    if (const char* text = plantStatusText(devlink::decodeByte(area, status::kPlantStatus)))
        ui_.plantStatusEdit->setText(QString::fromUtf8(text));
    lampPanel().show(lampBits(area), devlink::decodeByte(area, status::kBlink));
}

}  // namespace osmosis
