#include "measuring/vantiqo_app.h"

#include "measuring/vantiqo_dlg.h"
#include "shell/message_service.h"

namespace measuring {

shell::ProgramDescription CVantiqoApp::description() {
    return {"Vantiqo", "Vantiqo Version 1.1",
            "Aufruf: Vantiqo [--trace DATEI] [--desktop]\n"
            "Liest Messwert und Datenlogger eines Vantiqo-Mess- und Regelger\u00E4tes\n"
            "\u00FCber ein Nullmodemkabel oder ein Modem (COM1 bis COM9).\n"
            "Die Messdaten werden im aktuellen Ordner unter\n"
            "\"Messdaten Vantiqo <Seriennummer>\" gespeichert.\n"
            "  --trace DATEI  schreibt jedes Byte auf der Leitung mit Zeit in DATEI\n"
            "                 (ebenso $AQUENDOR_TRACE)\n"
            "  --desktop      arbeitet in $AQUENDOR_HOME oder Dokumente/Aquendor\n"
            "  --help         diese Hilfe\n"
            "  --version      die Programm- und die Paketversion\n",
            "", "vantiqo"};
}

int CVantiqoApp::run() {
    shell::QtMessageService messages;
    CVantiqoDlg dialog(messages);
    dialog.startUp();
    dialog.exec();
    return 0;
}

}  // namespace measuring
