// Saves screenshots of the Vantiqo program for people to look at: the main
// window after a measured value was read, the progress dialog in the middle
// of a readout, the trend chart of that readout and the about box.
// Usage: vantiqo_screens <output folder>  (offscreen without a display)
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTimer>
#include <clocale>
#include <cstdio>

#include "measuring/about_dlg.h"
#include "measuring/chart_dlg.h"
#include "measuring/readout_progress.h"
#include "measuring/vantiqo_dlg.h"
#include "resources/ids/vantiqo_ids.h"
#include "shell/controls.h"
#include "shell/message_service.h"
#include "tools/unitsim/simulator.h"

namespace {

class Shooter {
  public:
    explicit Shooter(QString folder) : folder_(std::move(folder)) {}

    bool run() {
        if (!startUnit()) return false;
        window_.startUp();
        window_.show();
        window_.findChild<QLineEdit*>("serialNumberEdit")->setText("123456");
        click(vantiqo::ids::MeasuredValueButton);
        if (!save(&window_, "main")) return false;
        // The progress dialog, a second and a half into a paced readout.
        bool progressSaved = false;
        QTimer::singleShot(1500, [&] {
            if (auto* progress = window_.progressDialog())
                progressSaved = save(progress, "progress");
        });
        messages_.answers = {shell::MessageAnswer::Yes, shell::MessageAnswer::No};
        click(vantiqo::ids::LoggerReadButton);
        if (!progressSaved || window_.lastReadout().isEmpty()) return false;
        click(vantiqo::ids::TrendButton);
        measuring::CChartDlg* chart = window_.chartWindow();
        if (!chart || !save(chart, "chart")) return false;
        chart->close();
        measuring::CAboutDlg about(&window_);
        about.show();
        return save(&about, "about");
    }

  private:
    bool startUnit() {
        unitsim::Config config;
        config.kind = unitsim::UnitKind::Measuring;
        config.variant = 2;
        config.loggerRecords = 300;
        config.baud = 19200;
        sim_ = std::make_unique<unitsim::Simulator>(config);
        const QString ports = folder_ + "/ports";
        qputenv("AQUENDOR_PORTS", ports.toLocal8Bit());
        if (!sim_->open() || !sim_->bindComName(ports.toStdString(), "COM1")) return false;
        sim_->start();
        return true;
    }
    void click(int id) { shell::controlAs<QAbstractButton>(&window_, id)->click(); }
    bool save(QWidget* widget, const QString& what) {
        QApplication::processEvents();
        const QString name = QString("%1/vantiqo-%2.png").arg(folder_, what);
        std::printf("%s\n", qPrintable(name));
        return widget->grab().save(name);
    }

    QString folder_;
    shell::ScriptedMessageService messages_;
    measuring::CVantiqoDlg window_{messages_};
    std::unique_ptr<unitsim::Simulator> sim_;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    setlocale(LC_NUMERIC, "C");
    const QString folder =
        QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : "screens").absolutePath();
    QDir().mkpath(folder);
    // The readout writes its file below the folder the program runs in.
    QDir::setCurrent(folder);
    Shooter shooter(folder);
    return shooter.run() ? 0 : 1;
}
