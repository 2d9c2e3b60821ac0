// Saves screenshots of the reverse-osmosis program's main window for people
// to look at: each page in German and in English after a read from a
// simulated unit (long form, so the alarm-SMS page is usable), the status
// page with its lamps off, on and in both blink phases, and the alarm-SMS
// page of a unit without alarm SMS; the review before a write, the backups
// and the chart of a recording.
// Usage: pln2_screens <output folder>  (offscreen without a display)
#include "osmosis/aquendor_pln2_dlg.h"
#include "osmosis/child_dlg_info.h"
#include "osmosis/status_record.h"
#include "resources/ids/pln2_ids.h"
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
        if (!shots_.startUnit(config) || !shots_.openWindow(window_, "AquendorPLN2")) return false;
        return longForm_ ? shootAll() : shootSmsPage();
    }

  private:
    // Producing with an alarm: the red lamp blinks.
    bool shootAll() {
        namespace st = osmosis::status;
        return shots_.shootStatusAndPages(window_, *window_.infoPage(),
                                          {st::kFunctions, st::kInputs, st::kOutputs, st::kBlink},
                                          {0x23, 0x5A, 0xB1, 0x80}) &&
               shots_.shootReviewBackupsAndTrend(window_, messages_);
    }

    bool shootSmsPage() {
        shots_.click(window_, pln2::ids::ReadButton);
        shots_.click(window_, pln2::ids::Func3PageRadio);
        return shots_.save(window_, "page3");
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
