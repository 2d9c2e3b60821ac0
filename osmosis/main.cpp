#include <QApplication>
#include <clocale>

#include "osmosis/aquendor_pln2_app.h"
#include "shell/labels.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Qt takes the C library's locale from the desktop; numbers on the wire
    // and in files must keep the point ("0.10"), not a German comma.
    std::setlocale(LC_NUMERIC, "C");
    CAquendorPLN2App app;
    return app.run(shell::commandLineOf(argc, argv));
}
