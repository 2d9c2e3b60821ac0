#include "softener/child_dlg_info.h"

#include <QPainter>
#include <cstdio>

#include "devlink/fields.h"
#include "shell/controls.h"
#include "shell/main_window_base.h"
#include "softener/mask_setup.h"
#include "softener/parameter_record.h"

namespace {

// White is the transparent colour of every picture on the page.
QPixmap withWhiteTransparent(const char* resource) {
    QPixmap picture(resource);
    picture.setMask(picture.createMaskFromColor(Qt::white));
    return picture;
}

constexpr int kBlinkingBits[] = {0, 1, 2, 3, 7};  // function lamps 1 to 4 and 8

}  // namespace

CChildDlg_Info::CChildDlg_Info(shell::MainWindowBase& owner) : ChildPage(owner) {
    ui_.setupUi(this);
    lampPictures_[0] = withWhiteTransparent(":/images/lamp_off.xpm");
    lampPictures_[1] = withWhiteTransparent(":/images/lamp_green.xpm");
    lampPictures_[2] = withWhiteTransparent(":/images/lamp_yellow.xpm");
    lampPictures_[3] = withWhiteTransparent(":/images/lamp_red.xpm");
    ui_.dropPictogram->setPixmap(withWhiteTransparent(":/images/pictogram_drop.xpm"));
    ui_.chemicalsPictogram->setPixmap(withWhiteTransparent(":/images/pictogram_chemicals.xpm"));
    ui_.hornPictogram->setPixmap(withWhiteTransparent(":/images/pictogram_horn.xpm"));
    blinkTimer_.setInterval(500);
    connect(&blinkTimer_, &QTimer::timeout, this, &CChildDlg_Info::blinkTick);
    // The status fields are for reading only: the focus moves on to the
    // button that starts the next step, connect in modem operation, read else.
    for (int id : {1076, 1077, 1078, 1079, 1080, 1081, 1082, 1085, 1086})
        if (QWidget* field = shell::control(this, id))
            onFocus(field, QEvent::FocusIn, [this] { passFocusOn(); });
}

void CChildDlg_Info::setUpFields() {
    softener::setUpMasks(this, {{1077, "####,#", "00000"},
                                {1078, "###,#", "0000"},
                                {1079, "#", "0"},
                                {1080, "##", "00"},
                                {1081, "#####,#", "000000"},
                                {1082, "#####,#", "000000"}});
}

void CChildDlg_Info::showStatus(const std::string& area, int plantType, double hardness) {
    using softener::maskCharacters;
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

    blinkBits_ = devlink::decodeByte(area, st::kBlink);
    if (blinkBits_ != 0) {
        blinkOn_ = false;
        blinkTimer_.start(500);
    }
    lamps_ = softener::lampBits(area);
    repaint();
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

void CChildDlg_Info::blinkTick() {
    blinkOn_ = !blinkOn_;
    for (int bit : kBlinkingBits) {
        if ((blinkBits_ >> bit) & 1) lamps_[static_cast<std::size_t>(bit)] = blinkOn_;
    }
    repaint();
}

QPoint CChildDlg_Info::lampPosition(int lamp) {
    if (lamp < 8) return {50 + 50 * lamp, 253};
    if (lamp < 16) return {75 + 50 * (lamp - 8), 316};
    return {75 + 50 * (lamp - 16), 374};
}

int CChildDlg_Info::lampColour(int lamp) {
    if (lamp == 6) return 2;  // chemicals: yellow
    if (lamp == 7) return 3;  // alarm: red
    return 1;
}

void CChildDlg_Info::paintEvent(QPaintEvent* event) {
    ChildPage::paintEvent(event);
    QPainter painter(this);
    for (int lamp = 0; lamp < 24; ++lamp) {
        const int picture = lamps_[static_cast<std::size_t>(lamp)] ? lampColour(lamp) : 0;
        painter.drawPixmap(lampPosition(lamp), lampPictures_[picture]);
    }
}

void CChildDlg_Info::passFocusOn() {
    const shell::MainWindowControls& c = owner().controls();
    const int next = owner().session().linkMode == shell::LinkMode::Modem ? c.connect : c.read;
    if (QWidget* target = shell::control(&owner(), next)) target->setFocus();
}
