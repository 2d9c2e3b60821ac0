// The lamp panel of a controller's status page: three rows of eight lamps,
// the plant's functions, its inputs and its outputs, drawn as small
// pictures at fixed pixels, white when off and in the lamp's colour when
// on; alarm lamps blink at 1 Hz while the unit says so.
#pragma once

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QTimer>
#include <vector>

#include "controller/status_fields.h"

class QPainter;
class QWidget;

namespace widgets {

// A picture whose white is transparent, as all pictures of the status pages.
QPixmap pictureWithWhiteTransparent(const char* resource);

struct LampRows {
    int functionsTop;  // pixels from the page's top; function lamps start at 50
    int inputsTop;     // input and output lamps start at 75
    int outputsTop;
    // Bits of the blink byte that flash the function lamp of the same
    // number (bit 7: lamp 8).
    std::vector<int> blinkingBits;
};

class LampPanel : public QObject {
    Q_OBJECT
  public:
    LampPanel(QWidget& page, LampRows rows);

    // The lamps as a status read found them. A blink byte other than 0
    // starts the blinking afresh, phase off; 0 stops it.
    void show(const controller::LampBits& lamps, int blinkByte);
    void stopBlinking() { timer_.stop(); }
    // The blink phase toggles; the blinking lamps follow it.
    void blinkTick();

    QTimer& blinkTimer() { return timer_; }
    const controller::LampBits& lamps() const { return lamps_; }
    QPoint lampPosition(int lamp) const;
    // 0 white (off), 1 green, 2 yellow, 3 red.
    static int lampColour(int lamp);

    void paint(QPainter& painter) const;

  private:
    QWidget& page_;
    LampRows rows_;
    controller::LampBits lamps_{};
    int blinkByte_ = 0;
    bool blinkOn_ = false;
    QTimer timer_;
    QPixmap pictures_[4];
};

}  // namespace widgets
