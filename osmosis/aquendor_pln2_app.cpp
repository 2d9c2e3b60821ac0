#include "osmosis/aquendor_pln2_app.h"

#include "osmosis/aquendor_pln2_dlg.h"
#include "shell/message_service.h"

shell::ProgramDescription CAquendorPLN2App::description() {
    return {"AquendorPLN2", "Aquendor\u00AE PLN2 Version 1.2",
            "Aufruf: AquendorPLN2 [english] [--trace DATEI] [--desktop]\n"
            "Fernbedienung einer Aquendor-Umkehrosmose-Steuerung \u00FCber ein "
            "Nullmodemkabel\noder ein Modem (COM1 bis COM9): Status, Parameter, Befehle, "
            "Fehlerhistorie.\n"
            "Konfiguration, Einstellungen und Listen liegen im Ordner, in dem das Programm\n"
            "gestartet wird (aquendorPLN2.ini, aquendorPLN2.set).\n"
            "  english        englische Oberfl\u00E4che (german: deutsche, die Vorgabe)\n"
            "  --trace DATEI  schreibt jedes Byte auf der Leitung mit Zeit in DATEI\n"
            "                 (ebenso $AQUENDOR_TRACE)\n"
            "  --desktop      arbeitet in $AQUENDOR_HOME oder Dokumente/Aquendor\n"
            "                 (so startet es das Desktop-Men\u00FC)\n"
            "  --help         diese Hilfe\n"
            "  --version      die Programmversion\n"
            "Die COM-Namen werden mit aquendor-ports festgelegt.\n",
            "Usage: AquendorPLN2 [english] [--trace FILE] [--desktop]\n"
            "Remote control of an Aquendor reverse-osmosis controller over a null-modem\n"
            "cable or a modem (COM1 to COM9): status, parameters, commands, error history.\n"
            "The configuration, the named settings and the lists are kept in the folder\n"
            "the program is started in (aquendorPLN2.ini, aquendorPLN2.set).\n"
            "  english        English interface (german: German, the default)\n"
            "  --trace FILE   writes every byte on the line with its time to FILE\n"
            "                 (also $AQUENDOR_TRACE)\n"
            "  --desktop      works in $AQUENDOR_HOME or Documents/Aquendor\n"
            "                 (as the desktop menu starts it)\n"
            "  --help         this help\n"
            "  --version      the program's version\n"
            "COM names are set up with aquendor-ports.\n"};
}

int CAquendorPLN2App::run(const std::string& commandLine) {
    shell::QtMessageService messages;
    CAquendorPLN2Dlg dialog(messages);
    if (!dialog.startUp(commandLine)) return 0;
    dialog.exec();
    return 0;
}
