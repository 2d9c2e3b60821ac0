// Saves screenshots of the softener program's main window for people to
// look at: each page in German and in English after a read from a simulated
// unit, and the status page with its lamps off, on and in both blink phases.
// Usage: ksv2_screens <output folder> [english|german]  (offscreen without a display)
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "shell/controls.h"
#include "shell/message_service.h"
#include "softener/aquendor_ksv2_dlg.h"
#include "softener/child_dlg_info.h"
#include "tools/unitsim/simulator.h"

namespace {

class Shooter {
  public:
    Shooter(QString folder, const char* language)
        : folder_(std::move(folder)), language_(language) {}

    bool run() {
        if (!startUnit() || !window_.startUp(std::string("AquendorKSV2 ") + language_))
            return false;
        window_.show();
        click(1038);  // null modem
        window_.findChild<QLineEdit*>("serialNumberEdit")->setText("123456");
        setLamps(0x00, 0x00, 0x00, 0x00);
        click(1024);
        if (!save("status-lamps-off")) return false;
        setLamps(0xFF, 0xFF, 0xFF, 0x00);
        click(1024);
        if (!save("status-lamps-on")) return false;
        setLamps(0x30, 0x21, 0xC0, 0x87);  // blinking alarm and waiting lamps
        click(1024);
        window_.infoPage()->blinkTick();
        if (!save("status-blink-on")) return false;
        window_.infoPage()->blinkTick();
        if (!save("status-blink-off")) return false;
        for (int page = 1; page < window_.pageHost().pageCount(); ++page) {
            click(window_.controls().pageSelectors.at(static_cast<std::size_t>(page)));
            if (!save(QString("page%1").arg(page))) return false;
        }
        return true;
    }

  private:
    bool startUnit() {
        unitsim::Config config;
        config.timeScale = 0;
        sim_ = std::make_unique<unitsim::Simulator>(config);
        const QString ports = folder_ + "/ports";
        qputenv("AQUENDOR_PORTS", ports.toLocal8Bit());
        if (!sim_->open() || !sim_->bindComName(ports.toStdString(), "COM2")) return false;
        sim_->start();
        return true;
    }
    void setLamps(int functions, int inputs, int outputs, int blink) {
        sim_->overrideStatusByte(164, static_cast<std::uint8_t>(functions));
        sim_->overrideStatusByte(166, static_cast<std::uint8_t>(inputs));
        sim_->overrideStatusByte(162, static_cast<std::uint8_t>(outputs));
        sim_->overrideStatusByte(186, static_cast<std::uint8_t>(blink));
    }
    void click(int id) { shell::controlAs<QAbstractButton>(&window_, id)->click(); }
    bool save(const QString& what) {
        QApplication::processEvents();
        const QString name = QString("%1/ksv2-%2-%3.png").arg(folder_, language_, what);
        std::printf("%s\n", qPrintable(name));
        return window_.grab().save(name);
    }

    QString folder_;
    const char* language_;
    shell::ScriptedMessageService messages_;
    CAquendorKSV2Dlg window_{messages_};
    std::unique_ptr<unitsim::Simulator> sim_;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Qt takes the desktop's locale; numbers in telegrams and files never do.
    setlocale(LC_NUMERIC, "C");
    const QString folder =
        QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : "screens").absolutePath();
    QDir().mkpath(folder);
    // The window keeps its configuration file in the folder it starts from.
    QDir::setCurrent(folder);
    for (const char* language : {"german", "english"}) {
        Shooter shooter(folder, language);
        if (!shooter.run()) return 1;
    }
    return 0;
}
