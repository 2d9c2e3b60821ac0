#include "osmosis/aquendor_pln2_app.h"

#include "osmosis/aquendor_pln2_dlg.h"
#include "shell/message_service.h"

shell::ProgramDescription CAquendorPLN2App::description() {
    return shell::controllerDescription(
        "AquendorPLN2", "aquendor-pln2", "Aquendor\u00AE PLN2 Version 1.2",
        "Fernbedienung einer Aquendor-Umkehrosmose-Steuerung \u00FCber ein Nullmodemkabel\n"
        "oder ein Modem (COM1 bis COM9): Status, Parameter, Befehle, Fehlerhistorie.\n"
        "Konfiguration, Einstellungen und Listen liegen im Ordner, in dem das Programm\n"
        "gestartet wird (aquendorPLN2.ini, aquendorPLN2.set).\n",
        "Remote control of an Aquendor reverse-osmosis controller over a null-modem\n"
        "cable or a modem (COM1 to COM9): status, parameters, commands, error history.\n"
        "The configuration, the named settings and the lists are kept in the folder\n"
        "the program is started in (aquendorPLN2.ini, aquendorPLN2.set).\n");
}

int CAquendorPLN2App::run(const std::string& commandLine) {
    shell::QtMessageService messages;
    CAquendorPLN2Dlg dialog(messages);
    if (!dialog.startUp(commandLine)) return 0;
    dialog.exec();
    return 0;
}
