#include <QApplication>
#include <clocale>

#include "shell/labels.h"
#include "softener/aquendor_ksv2_app.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Numbers in telegrams and files never follow the desktop's locale.
    setlocale(LC_NUMERIC, "C");
    CAquendorKSV2App app;
    return app.run(shell::commandLineOf(argc, argv));
}
