// The status page: plant status, values, the last access and the lamp panel
// with its blinking alarm lamps.
#pragma once

#include <QPixmap>
#include <QTimer>
#include <string>

#include "shell/child_page.h"
#include "softener/status_record.h"
#include "ui_childdlg_info.h"

class CChildDlg_Info : public shell::ChildPage {
    Q_OBJECT
  public:
    explicit CChildDlg_Info(shell::MainWindowBase& owner);
    void setUpFields();

    // Shows a status area; hardness is the value for the hardness field
    // (measured or the parameter, as the caller decides).
    void showStatus(const std::string& area, int plantType, double hardness);
    // Hardness unit 0, 1, 2: the capacity and hardness unit labels.
    void showHardnessUnit(int unit);

    void stopBlinking() { blinkTimer_.stop(); }
    void blinkTick();
    QTimer& blinkTimer() { return blinkTimer_; }
    const softener::LampBits& lamps() const { return lamps_; }

    // Lamp geometry and colours: 0 white (off), 1 green, 2 yellow, 3 red.
    static QPoint lampPosition(int lamp);
    static int lampColour(int lamp);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void showPlantStatus(const std::string& area, int plantType);
    void resetStage();
    void passFocusOn();

    Ui::ChildDlgInfo ui_;
    softener::LampBits lamps_{};
    int blinkBits_ = 0;
    bool blinkOn_ = false;
    QTimer blinkTimer_;
    QPixmap lampPictures_[4];
};
