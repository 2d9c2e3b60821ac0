#include "softener/aquendor_ksv2_app.h"

#include "shell/message_service.h"
#include "softener/aquendor_ksv2_dlg.h"

int CAquendorKSV2App::run(const std::string& commandLine) {
    shell::QtMessageService messages;
    CAquendorKSV2Dlg dialog(messages);
    if (!dialog.startUp(commandLine)) return 0;
    dialog.exec();
    return 0;
}
