// Saves screenshots of the softener program's main window for people to
// look at: each page in German and in English after a read from a simulated
// unit, and the status page with its lamps off, on and in both blink phases.
// Usage: ksv2_screens <output folder>  (offscreen without a display)
#include <QLineEdit>

#include "shell/message_service.h"
#include "softener/aquendor_ksv2_dlg.h"
#include "softener/child_dlg_info.h"
#include "tools/screens/screen_shooter.h"

namespace {

class Shooter {
  public:
    Shooter(const QString& folder, const char* language) : shots_(folder, "ksv2", language) {}

    bool run() {
        unitsim::Config config;
        config.timeScale = 0;
        if (!shots_.startUnit(config) ||
            !window_.startUp(std::string("AquendorKSV2 ") + shots_.language()))
            return false;
        window_.show();
        shots_.click(window_, 1038);  // null modem
        window_.findChild<QLineEdit*>("serialNumberEdit")->setText("123456");
        setLamps(0x00, 0x00, 0x00, 0x00);
        shots_.click(window_, 1024);
        if (!shots_.save(window_, "status-lamps-off")) return false;
        setLamps(0xFF, 0xFF, 0xFF, 0x00);
        shots_.click(window_, 1024);
        if (!shots_.save(window_, "status-lamps-on")) return false;
        setLamps(0x30, 0x21, 0xC0, 0x87);  // blinking alarm and waiting lamps
        shots_.click(window_, 1024);
        window_.infoPage()->blinkTick();
        if (!shots_.save(window_, "status-blink-on")) return false;
        window_.infoPage()->blinkTick();
        if (!shots_.save(window_, "status-blink-off")) return false;
        for (int page = 1; page < window_.pageHost().pageCount(); ++page) {
            shots_.click(window_,
                         window_.controls().pageSelectors.at(static_cast<std::size_t>(page)));
            if (!shots_.save(window_, QString("page%1").arg(page))) return false;
        }
        return true;
    }

  private:
    void setLamps(int functions, int inputs, int outputs, int blink) {
        shots_.unit().overrideStatusByte(164, static_cast<std::uint8_t>(functions));
        shots_.unit().overrideStatusByte(166, static_cast<std::uint8_t>(inputs));
        shots_.unit().overrideStatusByte(162, static_cast<std::uint8_t>(outputs));
        shots_.unit().overrideStatusByte(186, static_cast<std::uint8_t>(blink));
    }

    screens::ScreenShooter shots_;
    shell::ScriptedMessageService messages_;
    CAquendorKSV2Dlg window_{messages_};
};

}  // namespace

int main(int argc, char** argv) {
    return screens::screensMain(argc, argv, [](const QString& folder, const char* language) {
        return Shooter(folder, language).run();
    });
}
