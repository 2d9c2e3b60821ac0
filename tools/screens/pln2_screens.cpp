// Saves screenshots of the reverse-osmosis program's main window for people
// to look at: each page in German and in English after a read from a
// simulated unit (long form, so the alarm-SMS page is usable), the status
// page with its lamps off, on and in both blink phases, and the alarm-SMS
// page of a unit without alarm SMS.
// Usage: pln2_screens <output folder>  (offscreen without a display)
#include <QLineEdit>

#include "osmosis/aquendor_pln2_dlg.h"
#include "osmosis/child_dlg_info.h"
#include "osmosis/status_record.h"
#include "shell/message_service.h"
#include "tools/screens/screen_shooter.h"

namespace {

class Shooter {
  public:
    Shooter(const QString& folder, const char* language, bool longForm)
        : shots_(folder, longForm ? "pln2" : "pln2-short", language), longForm_(longForm) {}

    bool run() {
        unitsim::Config config;
        config.kind = unitsim::UnitKind::Osmosis;
        config.timeScale = 0;
        config.longForm = longForm_;
        if (!shots_.startUnit(config) ||
            !window_.startUp(std::string("AquendorPLN2 ") + shots_.language()))
            return false;
        window_.show();
        shots_.click(window_, 1021);  // null modem
        window_.findChild<QLineEdit*>("serialNumberEdit")->setText("123456");
        return longForm_ ? shootAll() : shootSmsPage();
    }

  private:
    bool shootAll() {
        setLamps(0x00, 0x00, 0x00, 0x00);
        shots_.click(window_, 1022);
        if (!shots_.save(window_, "status-lamps-off")) return false;
        setLamps(0xFF, 0xFF, 0xFF, 0x00);
        shots_.click(window_, 1022);
        if (!shots_.save(window_, "status-lamps-on")) return false;
        setLamps(0x23, 0x5A, 0xB1, 0x80);  // producing with an alarm: the red lamp blinks
        shots_.click(window_, 1022);
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

    bool shootSmsPage() {
        shots_.click(window_, 1022);
        shots_.click(window_, 1217);
        return shots_.save(window_, "page3");
    }

    void setLamps(int functions, int inputs, int outputs, int blink) {
        namespace st = osmosis::status;
        shots_.unit().overrideStatusByte(st::kFunctions, static_cast<std::uint8_t>(functions));
        shots_.unit().overrideStatusByte(st::kInputs, static_cast<std::uint8_t>(inputs));
        shots_.unit().overrideStatusByte(st::kOutputs, static_cast<std::uint8_t>(outputs));
        shots_.unit().overrideStatusByte(st::kBlink, static_cast<std::uint8_t>(blink));
    }

    screens::ScreenShooter shots_;
    bool longForm_;
    shell::ScriptedMessageService messages_;
    CAquendorPLN2Dlg window_{messages_};
};

}  // namespace

int main(int argc, char** argv) {
    return screens::screensMain(argc, argv, [](const QString& folder, const char* language) {
        if (!Shooter(folder, language, true).run()) return false;
        return Shooter(folder, language, false).run();
    });
}
