// GoogleTest main for window tests: a QApplication on the offscreen
// platform, so that windows open without a display and never block.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "temp_folder.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The operator's own choices (shell/user_choices.h) of a test run stay
    // in a folder of the run, never in the home folder of whoever runs it.
    const testsupport::TempFolder userChoices;
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope,
                           QString::fromStdString(userChoices.path()));
    // QApplication has taken the C library's locale from the environment,
    // as on a technician's desktop; the programs pin the numbers back to "C".
    const std::string desktopDecimalPoint = std::localeconv()->decimal_point;
    std::setlocale(LC_NUMERIC, "C");
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--german-desktop") == 0 && desktopDecimalPoint != ",") {
            std::fprintf(stderr,
                         "The German desktop locale is missing (LANG=%s gives the decimal "
                         "point \"%s\"): run scripts/install-deps.sh or localedef -i de_DE "
                         "-f UTF-8 de_DE.UTF-8\n",
                         std::getenv("LANG") ? std::getenv("LANG") : "",
                         desktopDecimalPoint.c_str());
            return 1;
        }
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
