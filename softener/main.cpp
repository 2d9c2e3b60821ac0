#include <QApplication>
#include <clocale>

#include "shell/labels.h"
#include "softener/aquendor_ksv2_app.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Qt takes the C library's locale from the desktop; numbers on the wire
    // and in files must keep the point ("8.4"), not a German comma.
    std::setlocale(LC_NUMERIC, "C");
    CAquendorKSV2App app;
    return app.run(shell::commandLineOf(argc, argv));
}
