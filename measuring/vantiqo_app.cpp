#include "measuring/vantiqo_app.h"

#include "measuring/vantiqo_dlg.h"
#include "shell/message_service.h"

namespace measuring {

std::string CVantiqoApp::commandLineAnswer(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--version") return "Vantiqo Version 1.1\n";
        if (argument == "--help" || argument == "-h")
            return "Aufruf: Vantiqo\n"
                   "Liest Messwert und Datenlogger eines Vantiqo-Mess- und Regelger\u00E4tes\n"
                   "\u00FCber ein Nullmodemkabel oder ein Modem (COM1 bis COM9).\n"
                   "Die Messdaten werden im aktuellen Ordner unter\n"
                   "\"Messdaten Vantiqo <Seriennummer>\" gespeichert.\n"
                   "  --help      diese Hilfe\n"
                   "  --version   die Programmversion\n";
    }
    return {};
}

int CVantiqoApp::run() {
    shell::QtMessageService messages;
    CVantiqoDlg dialog(messages);
    dialog.startUp();
    dialog.exec();
    return 0;
}

}  // namespace measuring
