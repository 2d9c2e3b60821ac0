#include "osmosis/aquendor_pln2_app.h"

#include "osmosis/aquendor_pln2_dlg.h"
#include "shell/message_service.h"

int CAquendorPLN2App::run(const std::string& commandLine) {
    shell::QtMessageService messages;
    CAquendorPLN2Dlg dialog(messages);
    if (!dialog.startUp(commandLine)) return 0;
    dialog.exec();
    return 0;
}
