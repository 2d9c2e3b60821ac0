#include "cli/target.h"

#include "cli/controller_kind.h"
#include "controller/config_text.h"
#include "controller/message_text.h"
#include "files/file_write.h"

namespace cli {

std::string defaultPort(UnitKind kind, const std::string& folder) {
    if (kind == UnitKind::Measuring) return "COM1";
    const std::string path = controller::fileInFolder(folder, controllerKind(kind).configFile);
    const auto bytes = files::readFileUpTo(path, controller::kConfigHeaderBytes + 6);
    if (bytes) {
        const controller::TextImage image(*bytes, controller::kConfigHeaderBytes);
        const std::string& t = image.text;
        if (t.size() >= 4 && t.compare(0, 3, "COM") == 0 && t[3] >= '1' && t[3] <= '9')
            return t.substr(0, 4);
    }
    return "COM2";
}

std::optional<LineTarget> lineTarget(const Options& options, UnitKind kind,
                                     const std::string& folder, Console& console, ExitCode& code) {
    LineTarget target;
    target.port = options.port.empty() ? defaultPort(kind, folder) : options.port;
    target.baud = options.baud;
    target.modem = options.modem;
    target.dial = options.dial;
    if (options.location.empty()) return target;
    const std::string file = options.ini.empty()
                                 ? controller::fileInFolder(folder, controllerKind(kind).configFile)
                                 : options.ini;
    const controller::PhonebookEntry entry = controller::findLocation(file, options.location);
    using controller::withArgs;
    switch (entry.result) {
        case controller::PhonebookEntry::Found:
            if (usableDialNumber(entry.dialNumber)) {
                target.dial = entry.dialNumber;
                return target;
            }
            console.message(
                withArgs(console.tr("%1: die W\u00E4hlnummer von \"%2\" ist keine: \"%3\"",
                                    "%1: the dial number of \"%2\" is none: \"%3\""),
                         {file, options.location, entry.dialNumber}));
            code = kFileProblem;
            return std::nullopt;
        case controller::PhonebookEntry::NotFound:
            console.message(
                withArgs(console.tr("%1: kein Standort \"%2\"", "%1: no location \"%2\""),
                         {file, options.location}));
            code = kUsage;
            return std::nullopt;
        case controller::PhonebookEntry::NoFile:
            console.message(withArgs(console.tr("Kann %1 nicht lesen", "cannot read %1"), {file}));
            code = kFileProblem;
            return std::nullopt;
        case controller::PhonebookEntry::Corrupt:
            console.message(withArgs(console.tr("%1 ist defekt", "%1 is corrupt"), {file}));
            code = kFileProblem;
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace cli
