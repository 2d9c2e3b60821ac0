#include "widgets/lamp_panel.h"

#include <QPainter>
#include <QWidget>

// Resources of a static library are registered by hand, outside any namespace.
static void initLampResources() {
    Q_INIT_RESOURCE(lamps);
}

namespace widgets {

QPixmap pictureWithWhiteTransparent(const char* resource) {
    QPixmap picture(resource);
    picture.setMask(picture.createMaskFromColor(Qt::white));
    return picture;
}

LampPanel::LampPanel(QWidget& page, LampRows rows)
    : QObject(&page), page_(page), rows_(std::move(rows)) {
    initLampResources();
    pictures_[0] = pictureWithWhiteTransparent(":/images/lamp_off.xpm");
    pictures_[1] = pictureWithWhiteTransparent(":/images/lamp_green.xpm");
    pictures_[2] = pictureWithWhiteTransparent(":/images/lamp_yellow.xpm");
    pictures_[3] = pictureWithWhiteTransparent(":/images/lamp_red.xpm");
    timer_.setInterval(500);
    connect(&timer_, &QTimer::timeout, this, &LampPanel::blinkTick);
}

void LampPanel::show(const controller::LampBits& lamps, int blinkByte) {
    blinkByte_ = blinkByte;
    if (blinkByte_ != 0) {
        blinkOn_ = false;
        timer_.start(500);
    } else {
        timer_.stop();
    }
    lamps_ = lamps;
    page_.repaint();
}

void LampPanel::blinkTick() {
    blinkOn_ = !blinkOn_;
    for (int bit : rows_.blinkingBits)
        if ((blinkByte_ >> bit) & 1) lamps_[static_cast<std::size_t>(bit)] = blinkOn_;
    page_.repaint();
}

QPoint LampPanel::lampPosition(int lamp) const {
    if (lamp < 8) return {50 + 50 * lamp, rows_.functionsTop};
    if (lamp < 16) return {75 + 50 * (lamp - 8), rows_.inputsTop};
    return {75 + 50 * (lamp - 16), rows_.outputsTop};
}

// Function lamps 7 and 8 are the yellow and the red one; all others green.
int LampPanel::lampColour(int lamp) {
    if (lamp == 6) return 2;
    if (lamp == 7) return 3;
    return 1;
}

void LampPanel::paint(QPainter& painter) const {
    for (int lamp = 0; lamp < 24; ++lamp) {
        const int picture = lamps_[static_cast<std::size_t>(lamp)] ? lampColour(lamp) : 0;
        painter.drawPixmap(lampPosition(lamp), pictures_[picture]);
    }
}

}  // namespace widgets
