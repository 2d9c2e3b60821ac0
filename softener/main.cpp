#include <QApplication>

#include "shell/labels.h"
#include "softener/aquendor_ksv2_app.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    CAquendorKSV2App app;
    return app.run(shell::commandLineOf(argc, argv));
}
