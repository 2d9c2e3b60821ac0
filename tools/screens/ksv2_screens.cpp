// Saves screenshots of the softener program's main window with each of its
// pages, in German and in English, for people to look at.
// Usage: ksv2_screens <output folder>   (runs offscreen without a display)
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

#include "shell/controls.h"
#include "shell/message_service.h"
#include "softener/aquendor_ksv2_dlg.h"

namespace {

bool saveAll(const QString& folder, const char* language) {
    shell::ScriptedMessageService messages;
    CAquendorKSV2Dlg dialog(messages);
    if (!dialog.startUp(std::string("AquendorKSV2 ") + language)) return false;
    dialog.show();
    for (int page = 0; page < dialog.pageHost().pageCount(); ++page) {
        const int selector = dialog.controls().pageSelectors.at(static_cast<std::size_t>(page));
        shell::controlAs<QAbstractButton>(&dialog, selector)->click();
        QApplication::processEvents();
        const QString name = QString("%1/ksv2-%2-page%3.png").arg(folder, language).arg(page);
        if (!dialog.grab().save(name)) return false;
        std::printf("%s\n", qPrintable(name));
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screens");
    QDir().mkpath(folder);
    return saveAll(folder, "german") && saveAll(folder, "english") ? 0 : 1;
}
