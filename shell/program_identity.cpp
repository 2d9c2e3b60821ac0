#include "shell/program_identity.h"

#include <QApplication>

namespace shell {

QIcon programIcon(const std::string& desktopId) {
    const QString name = QString::fromStdString(desktopId);
    QIcon carried;
    for (const char* size : {"-48.png", "-256.png"}) carried.addFile(":/desktop/" + name + size);
    return QIcon::fromTheme(name, carried);
}

void identifyProgram(const std::string& desktopId) {
    if (desktopId.empty()) return;
    // X11 takes the window class from the application name; a desktop
    // entry with StartupWMClass of the same name claims those windows.
    QCoreApplication::setApplicationName(QString::fromStdString(desktopId));
    // Wayland takes the application id from the desktop file name.
    QGuiApplication::setDesktopFileName(QString::fromStdString(desktopId));
    QApplication::setWindowIcon(programIcon(desktopId));
}

}  // namespace shell
