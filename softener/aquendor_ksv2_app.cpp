#include "softener/aquendor_ksv2_app.h"

#include "shell/message_service.h"
#include "softener/aquendor_ksv2_dlg.h"

shell::ProgramDescription CAquendorKSV2App::description() {
    return shell::controllerDescription(
        "AquendorKSV2", "aquendor-ksv2", "Aquendor\u00AE KSV2 Version 1.3",
        "Fernbedienung einer Aquendor-Enth\u00E4rtungssteuerung \u00FCber ein Nullmodemkabel\n"
        "oder ein Modem (COM1 bis COM9): Status, Parameter, Befehle, Historien.\n"
        "Konfiguration, Einstellungen und Listen liegen im Ordner, in dem das Programm\n"
        "gestartet wird (AquendorKSV2.ini, AquendorKSV2.set).\n",
        "Remote control of an Aquendor softener controller over a null-modem cable\n"
        "or a modem (COM1 to COM9): status, parameters, commands, histories.\n"
        "The configuration, the named settings and the lists are kept in the folder\n"
        "the program is started in (AquendorKSV2.ini, AquendorKSV2.set).\n");
}

int CAquendorKSV2App::run(const std::string& commandLine) {
    shell::QtMessageService messages;
    CAquendorKSV2Dlg dialog(messages);
    if (!dialog.startUp(commandLine)) return 0;
    dialog.exec();
    return 0;
}
