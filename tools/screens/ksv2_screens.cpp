// Saves screenshots of the softener program's main window for people to
// look at: each page in German and in English after a read from a simulated
// unit, the status page with its lamps off, on and in both blink phases,
// the review before a write, the backups and the chart of a recording.
// Usage: ksv2_screens <output folder>  (offscreen without a display)
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
        if (!shots_.startUnit(config) || !shots_.openWindow(window_, "AquendorKSV2")) return false;
        // Blinking: the alarm and the waiting lamps.
        return shots_.shootStatusAndPages(window_, *window_.infoPage(), {164, 166, 162, 186},
                                          {0x30, 0x21, 0xC0, 0x87}) &&
               shots_.shootReviewBackupsAndTrend(window_, messages_);
    }

  private:
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
