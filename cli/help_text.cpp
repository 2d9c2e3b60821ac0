#include "cli/help_text.h"

#ifndef AQUENDOR_PACKAGE_VERSION
#define AQUENDOR_PACKAGE_VERSION "aquendor-suite"
#endif

namespace cli {

namespace {

const char* const kConnectionEnglish =
    "Connection:\n"
    "  --port PORT        COM1 ... COM9 (through the ports folder), a device path such\n"
    "                     as /dev/ttyUSB0, tcp://HOST:PORT or rfc2217://HOST:PORT;\n"
    "                     default: the port of the program's configuration file in\n"
    "                     the current folder (COM2), COM1 for a measuring unit\n"
    "  --baud 19200|9600  line speed (19200)\n"
    "  --serial NNNNNN    the unit's six-digit serial number (its login)\n"
    "  --kind KIND        softener, osmosis or measuring\n"
    "  --dial NUMBER      dial the unit through the Hayes modem on the port\n"
    "  --location NAME    dial the number of this location of the program's\n"
    "                     configuration file (--ini FILE names another file)\n"
    "  --modem            modem operation (implied by --dial and --location)\n"
    "Output:\n"
    "  --english          messages and labels in English (German otherwise)\n"
    "  --json             results as JSON on one line (shapes: man aquendorctl)\n"
    "  --trace FILE       every byte on the line into FILE (private to the user)\n"
    "  --yes              answer Yes to questions (needed without a terminal)\n"
    "  --quiet            no notes and no progress bar; failures are still reported\n"
    "  --dir FOLDER       where files go (default: the current folder)\n";

const char* const kConnectionGerman =
    "Verbindung:\n"
    "  --port PORT        COM1 ... COM9 (\u00FCber den Ports-Ordner), ein Ger\u00E4tepfad wie\n"
    "                     /dev/ttyUSB0, tcp://HOST:PORT oder rfc2217://HOST:PORT;\n"
    "                     Vorgabe: der Port der Konfigurationsdatei des Programms im\n"
    "                     aktuellen Ordner (COM2), COM1 f\u00FCr ein Messger\u00E4t\n"
    "  --baud 19200|9600  Geschwindigkeit (19200)\n"
    "  --serial NNNNNN    die sechsstellige Seriennummer des Ger\u00E4ts\n"
    "  --kind ART         softener, osmosis oder measuring\n"
    "  --dial NUMMER      das Ger\u00E4t \u00FCber das Hayes-Modem am Port anw\u00E4hlen\n"
    "  --location NAME    die Nummer dieses Standorts der Konfigurationsdatei w\u00E4hlen\n"
    "                     (--ini DATEI nennt eine andere Datei)\n"
    "  --modem            Modembetrieb (mit --dial und --location immer)\n"
    "Ausgabe:\n"
    "  --english          Meldungen und Bezeichnungen auf Englisch (sonst Deutsch)\n"
    "  --json             Ergebnisse als JSON in einer Zeile (Formen: man aquendorctl)\n"
    "  --trace DATEI      jedes Byte der Leitung in DATEI (nur f\u00FCr den Benutzer lesbar)\n"
    "  --yes              Fragen mit Ja beantworten (ohne Terminal n\u00F6tig)\n"
    "  --quiet            keine Hinweise, kein Fortschrittsbalken; Fehler bleiben\n"
    "  --dir ORDNER       wohin Dateien kommen (Vorgabe: der aktuelle Ordner)\n";

struct CommandHelp {
    const char* name;
    const char* english;
    const char* german;
};

const CommandHelp kCommands[] = {
    {"status",
     "aquendorctl [OPTIONS] status\n"
     "  The status page: plant status, values with their units, the lamps that are\n"
     "  on and the plant type (a measuring unit: its measured value).\n"
     "  Example: aquendorctl --port COM3 --serial 123456 --kind softener status\n",
     "aquendorctl [OPTIONEN] status\n"
     "  Die Statusseite: Anlagenstatus, Werte mit Einheiten, die leuchtenden Lampen\n"
     "  und der Anlagentyp (ein Messger\u00E4t: sein Messwert).\n"
     "  Beispiel: aquendorctl --port COM3 --serial 123456 --kind softener status\n"},
    {"params",
     "aquendorctl [OPTIONS] params\n"
     "aquendorctl [OPTIONS] params export FILE.stg\n"
     "aquendorctl [OPTIONS] params write FILE.stg\n"
     "aquendorctl [OPTIONS] params set NAME=VALUE ...\n"
     "  Every parameter by page and name; the parameters as a setting file (\"-\":\n"
     "  standard output); a setting file written to the unit; single parameters\n"
     "  changed by name. A write reads the unit first, applies the checks of the\n"
     "  pages, shows what changes, asks (--yes without a terminal), saves what the\n"
     "  unit held under \"backup NNNNNN/\" and then writes. Numbers take \".\" or \",\";\n"
     "  choices their name (params lists the names); flags 1/0, on/off, yes/no.\n"
     "  Example: aquendorctl --port COM3 --serial 123456 --kind softener --yes \\\n"
     "           params set regeneration_interval=3 regeneration_from=02:00\n",
     "aquendorctl [OPTIONEN] params\n"
     "aquendorctl [OPTIONEN] params export DATEI.stg\n"
     "aquendorctl [OPTIONEN] params write DATEI.stg\n"
     "aquendorctl [OPTIONEN] params set NAME=WERT ...\n"
     "  Alle Parameter nach Seite und Name; die Parameter als Einstellungsdatei (\"-\":\n"
     "  Standardausgabe); eine Einstellungsdatei ins Ger\u00E4t schreiben; einzelne\n"
     "  Parameter nach Namen \u00E4ndern. Geschrieben wird nach einem Lesen, den\n"
     "  Pr\u00FCfungen der Seiten, der Anzeige der \u00C4nderungen, einer Frage (--yes ohne\n"
     "  Terminal) und der Sicherung unter \"backup NNNNNN/\". Zahlen mit \".\" oder \",\",\n"
     "  Auswahlen mit ihrem Namen (params zeigt sie), Schalter 1/0, ein/aus, ja/nein.\n"
     "  Beispiel: aquendorctl --port COM3 --serial 123456 --kind softener --yes \\\n"
     "            params set regeneration_interval=3 regeneration_from=02:00\n"},
    {"history",
     "aquendorctl [OPTIONS] history status|error [--dir FOLDER]\n"
     "  The status history (softener) or the error history as the list file the\n"
     "  window writes: \"statuslist NNNNNN/statuslist NNNNNN DDMMYY hhmm.txt\" and\n"
     "  \"errorlist NNNNNN/...\" in the folder. Prints the file's path.\n",
     "aquendorctl [OPTIONEN] history status|error [--dir ORDNER]\n"
     "  Die Statushistorie (Enth\u00E4rter) oder die Fehlerhistorie als Listendatei wie\n"
     "  aus dem Fenster: \"statuslist NNNNNN/statuslist NNNNNN TTMMJJ hhmm.txt\" und\n"
     "  \"errorlist NNNNNN/...\" im Ordner. Gibt den Pfad der Datei aus.\n"},
    {"command",
     "aquendorctl [OPTIONS] command NAME\n"
     "  A unit command. softener: acknowledge, regeneration, reserve-filter,\n"
     "  filter-change, clock, reset; osmosis: acknowledge, start-stop, flush, clock,\n"
     "  reset. reset asks first (--yes without a terminal).\n",
     "aquendorctl [OPTIONEN] command NAME\n"
     "  Ein Ger\u00E4tebefehl. softener: acknowledge, regeneration, reserve-filter,\n"
     "  filter-change, clock, reset; osmosis: acknowledge, start-stop, flush, clock,\n"
     "  reset. reset fragt vorher (--yes ohne Terminal).\n"},
    {"value",
     "aquendorctl [OPTIONS] value\n"
     "  The measured value and temperature of a measuring unit.\n",
     "aquendorctl [OPTIONEN] value\n"
     "  Messwert und Temperatur eines Messger\u00E4ts.\n"},
    {"logger",
     "aquendorctl [OPTIONS] logger read [--out FILE] [--dir FOLDER]\n"
     "aquendorctl [OPTIONS] logger clear\n"
     "  The data logger of a measuring unit as the window's CSV file\n"
     "  (\"Messdaten Vantiqo NNNNNN/Messdaten Vantiqo NNNNNN DDMMYY hhmm.csv\"), or into\n"
     "  FILE (\"-\": standard output); clear erases it after a question.\n",
     "aquendorctl [OPTIONEN] logger read [--out DATEI] [--dir ORDNER]\n"
     "aquendorctl [OPTIONEN] logger clear\n"
     "  Der Datenlogger eines Messger\u00E4ts als CSV-Datei wie aus dem Fenster\n"
     "  (\"Messdaten Vantiqo NNNNNN/Messdaten Vantiqo NNNNNN TTMMJJ hhmm.csv\") oder in\n"
     "  DATEI (\"-\": Standardausgabe); clear l\u00F6scht ihn nach einer Frage.\n"},
    {"watch",
     "aquendorctl [OPTIONS] watch [--interval S] [--csv FILE] [--count N]\n"
     "  Reads the status every S seconds (15) and prints a CSV line (a JSON line\n"
     "  with --json) per reading, until stopped (Ctrl+C) or N readings are taken.\n",
     "aquendorctl [OPTIONEN] watch [--interval S] [--csv DATEI] [--count N]\n"
     "  Liest den Status alle S Sekunden (15) und gibt je Lesung eine CSV-Zeile\n"
     "  (mit --json eine JSON-Zeile) aus, bis Strg+C oder N Lesungen.\n"},
    {"round",
     "aquendorctl [OPTIONS] round ROUNDFILE --dir FOLDER\n"
     "  A service round: for each unit of the round file connect, save a status\n"
     "  snapshot, the parameters (setting file), both histories (a measuring unit:\n"
     "  the measured value and the logger), hang up; then a summary table.\n"
     "  Round file: one unit a line, \"name, port or dial number, serial, kind\";\n"
     "  \"#\" starts a comment. Dial numbers use the modem on --port.\n"
     "  Exit code 10 when a unit was not reached or not done.\n",
     "aquendorctl [OPTIONEN] round RUNDENDATEI --dir ORDNER\n"
     "  Eine Wartungsrunde: f\u00FCr jedes Ger\u00E4t der Rundendatei verbinden, den Status,\n"
     "  die Parameter (Einstellungsdatei) und beide Historien (ein Messger\u00E4t: Messwert\n"
     "  und Datenlogger) sichern, auflegen; dann eine \u00DCbersicht.\n"
     "  Rundendatei: ein Ger\u00E4t je Zeile, \"Name, Port oder W\u00E4hlnummer, Seriennummer,\n"
     "  Art\"; \"#\" beginnt einen Kommentar. W\u00E4hlnummern gehen \u00FCber das Modem an "
     "--port.\n"
     "  Exit-Code 10, wenn ein Ger\u00E4t nicht erreicht oder nicht fertig wurde.\n"},
};

}  // namespace

std::string usageText(bool english) {
    std::string text = english ? "Usage: aquendorctl [OPTIONS] COMMAND ...\n"
                                 "The Aquendor and Vantiqo units from the command line.\n\n"
                                 "Commands (aquendorctl COMMAND --help for each):\n"
                               : "Aufruf: aquendorctl [OPTIONEN] BEFEHL ...\n"
                                 "Die Aquendor- und Vantiqo-Ger\u00E4te von der Kommandozeile.\n\n"
                                 "Befehle (aquendorctl BEFEHL --help f\u00FCr jeden):\n";
    for (const CommandHelp& command : kCommands) {
        const std::string help = english ? command.english : command.german;
        text += "  " + help.substr(0, help.find('\n')) + "\n";
    }
    text += "\n";
    text += english ? kConnectionEnglish : kConnectionGerman;
    text += english
                ? "\nExit codes: 0 done, 1 failed, 2 usage, 3 port, 4 no answer, 5 checksum,\n"
                  "6 login refused, 7 refused by a check, 8 file, 9 not confirmed,\n"
                  "10 round incomplete, 128+N ended by signal N.\n"
                : "\nExit-Codes: 0 erledigt, 1 fehlgeschlagen, 2 Aufruf, 3 Port, 4 keine "
                  "Antwort,\n5 Pr\u00FCfsumme, 6 Anmeldung verweigert, 7 von einer Pr\u00FCfung "
                  "abgelehnt, 8 Datei,\n9 nicht best\u00E4tigt, 10 Runde unvollst\u00E4ndig, "
                  "128+N durch Signal N beendet.\n";
    return text;
}

std::string commandHelpText(const std::string& name, bool english) {
    for (const CommandHelp& command : kCommands)
        if (name == command.name)
            return std::string(english ? command.english : command.german) + "\n" +
                   (english ? kConnectionEnglish : kConnectionGerman);
    return {};
}

std::string versionText() {
    return std::string("aquendorctl 1.0\nfrom the package ") + AQUENDOR_PACKAGE_VERSION + "\n";
}

}  // namespace cli
