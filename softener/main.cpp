#include <QApplication>
#include <clocale>

#include "shell/labels.h"
#include "softener/aquendor_ksv2_app.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Qt takes the desktop's locale; numbers in telegrams and files never do.
    setlocale(LC_NUMERIC, "C");
    CAquendorKSV2App app;
    return app.run(shell::commandLineOf(argc, argv));
}
