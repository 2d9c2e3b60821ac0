#include "shell/program_start.h"

#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <clocale>
#include <cstdlib>

#include "devlink/traffic_trace.h"

namespace shell {

CommonOptions parseCommonOptions(const std::vector<std::string>& arguments) {
    CommonOptions options;
    if (const char* trace = std::getenv("AQUENDOR_TRACE"); trace && *trace)
        options.traceFile = trace;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--desktop") {
            options.desktop = true;
        } else if (argument == "--trace") {
            if (i + 1 < arguments.size())
                options.traceFile = arguments[++i];
            else
                options.problem = "--trace";
        } else if (argument.rfind("--trace=", 0) == 0) {
            options.traceFile = argument.substr(8);
        } else if (argument.size() > 2 && argument.rfind("--", 0) == 0) {
            options.unknown.push_back(argument);
        }
    }
    return options;
}

ProgramDescription controllerDescription(const std::string& name, const std::string& desktopId,
                                         const std::string& version, const std::string& aboutGerman,
                                         const std::string& aboutEnglish) {
    return {name, version,
            "Aufruf: " + name + " [english] [--trace DATEI] [--desktop]\n" + aboutGerman +
                "  english        englische Oberfl\u00E4che (german: deutsche, die Vorgabe)\n"
                "  --trace DATEI  schreibt jedes Byte auf der Leitung mit Zeit in DATEI\n"
                "                 (ebenso $AQUENDOR_TRACE)\n"
                "  --desktop      arbeitet in $AQUENDOR_HOME oder Dokumente/Aquendor\n"
                "                 (so startet es das Desktop-Men\u00FC)\n"
                "  --help         diese Hilfe\n"
                "  --version      die Programm- und die Paketversion\n"
                "Die COM-Namen werden mit aquendor-ports festgelegt.\n",
            "Usage: " + name + " [english] [--trace FILE] [--desktop]\n" + aboutEnglish +
                "  english        English interface (german: German, the default)\n"
                "  --trace FILE   writes every byte on the line with its time to FILE\n"
                "                 (also $AQUENDOR_TRACE)\n"
                "  --desktop      works in $AQUENDOR_HOME or Documents/Aquendor\n"
                "                 (as the desktop menu starts it)\n"
                "  --help         this help\n"
                "  --version      the program's and the package's version\n"
                "COM names are set up with aquendor-ports.\n",
            desktopId};
}

std::string informationText(const ProgramDescription& program, const CommonOptions& options,
                            LanguageFlag language) {
    // The program's version is the one its About box shows; the package
    // counts the releases of the suite that brings all its programs.
    if (options.version)
        return program.version + "\nfrom the package " AQUENDOR_PACKAGE_VERSION "\n";
    if (!options.help) return {};
    const bool english = language == English && !program.helpEnglish.empty();
    return english ? program.helpEnglish : program.helpGerman;
}

std::string unknownOptionsText(const std::string& programName, const CommonOptions& options) {
    std::string text;
    for (const std::string& option : options.unknown)
        text += programName + ": unknown option " + option + " ignored (see " + programName +
                " --help)\n";
    return text;
}

std::string desktopWorkingFolder() {
    if (const char* home = std::getenv("AQUENDOR_HOME"); home && *home) return home;
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) documents = QDir::homePath() + "/Documents";
    return (documents + "/Aquendor").toStdString();
}

ProgramStart::ProgramStart(const CommonOptions& options, LanguageFlag language) {
    // Qt has taken the C library's locale from the desktop; numbers on the
    // wire and in files keep the point ("8.4"), never a German comma.
    std::setlocale(LC_NUMERIC, "C");
    // Qt's own texts (Ja / Nein, file dialogs, context menus) follow the
    // interface language.
    if (language == German && qtTexts_.load(QLocale(QLocale::German), "qtbase", "_",
                                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts_);
    if (!options.traceFile.empty() && !devlink::TrafficTrace::open(options.traceFile))
        warning_ += "cannot write the trace file " + options.traceFile + "\n";
    // From the desktop menu the program would otherwise work in "/" or the
    // home folder; its files belong in a folder of their own. Started from
    // a terminal it keeps the folder it was started in.
    if (options.desktop) {
        const std::string folder = desktopWorkingFolder();
        if (!QDir().mkpath(QString::fromStdString(folder)) || chdir(folder.c_str()) != 0)
            warning_ += "cannot work in " + folder + "\n";
    }
}

ProgramStart::~ProgramStart() {
    devlink::TrafficTrace::close();
}

}  // namespace shell
