#include "tools/screens/screen_shooter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QWidget>
#include <clocale>
#include <cstdio>

#include "shell/controls.h"

namespace screens {

bool ScreenShooter::startUnit(unitsim::Config config) {
    sim_ = std::make_unique<unitsim::Simulator>(config);
    const QString ports = folder_ + "/ports";
    qputenv("AQUENDOR_PORTS", ports.toLocal8Bit());
    if (!sim_->open() || !sim_->bindComName(ports.toStdString(), "COM2")) return false;
    sim_->start();
    return true;
}

void ScreenShooter::click(const QWidget& window, int id) {
    shell::controlAs<QAbstractButton>(&window, id)->click();
}

bool ScreenShooter::save(QWidget& window, const QString& what) {
    QApplication::processEvents();
    const QString name = QString("%1/%2-%3-%4.png").arg(folder_, program_, language_, what);
    std::printf("%s\n", qPrintable(name));
    return window.grab().save(name);
}

int screensMain(int argc, char** argv,
                const std::function<bool(const QString& folder, const char* language)>& shoot) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Qt takes the C library's locale from the desktop; numbers on the wire
    // and in files must keep the point ("8.4"), not a German comma.
    std::setlocale(LC_NUMERIC, "C");
    const QString folder =
        QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : "screens").absolutePath();
    QDir().mkpath(folder);
    // The window keeps its configuration file in the folder it starts from.
    QDir::setCurrent(folder);
    for (const char* language : {"german", "english"})
        if (!shoot(folder, language)) return 1;
    return 0;
}

}  // namespace screens
