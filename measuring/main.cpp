#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <cstdio>

#include "measuring/vantiqo_app.h"

int main(int argc, char** argv) {
    const std::string answer =
        measuring::CVantiqoApp::commandLineAnswer(std::vector<std::string>(argv + 1, argv + argc));
    if (!answer.empty()) {
        std::fputs(answer.c_str(), stdout);
        return 0;
    }
    QApplication application(argc, argv);
    // Numbers on the line and in files never follow the desktop's locale.
    setlocale(LC_NUMERIC, "C");
    // The program is German; so are Qt's own texts (Ja / Nein, file dialogs).
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&qtTexts);
    measuring::CVantiqoApp app;
    return app.run();
}
