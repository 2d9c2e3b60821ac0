#include "cli/options.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "controller/message_text.h"

namespace cli {

namespace {

using controller::withArgs;

enum class Takes { Flag, Value };

const std::map<std::string, Takes>& optionTable() {
    static const std::map<std::string, Takes> table = {
        {"port", Takes::Value},     {"baud", Takes::Value},  {"serial", Takes::Value},
        {"kind", Takes::Value},     {"modem", Takes::Flag},  {"dial", Takes::Value},
        {"location", Takes::Value}, {"ini", Takes::Value},   {"english", Takes::Flag},
        {"json", Takes::Flag},      {"trace", Takes::Value}, {"yes", Takes::Flag},
        {"quiet", Takes::Flag},     {"help", Takes::Flag},   {"version", Takes::Flag},
        {"dir", Takes::Value},      {"out", Takes::Value},   {"csv", Takes::Value},
        {"interval", Takes::Value}, {"count", Takes::Value},
    };
    return table;
}

// The options only some commands take; every other option goes with any.
const std::map<std::string, std::vector<std::string>>& commandOptions() {
    static const std::map<std::string, std::vector<std::string>> table = {
        {"out", {"logger"}},
        {"csv", {"watch"}},
        {"interval", {"watch"}},
        {"count", {"watch"}},
    };
    return table;
}

struct Reader {
    const std::vector<std::string>& words;
    bool english = false;
    std::string tr(const char* german, const char* englishText) const {
        return english ? englishText : german;
    }
};

bool readDouble(const std::string& text, double& value) {
    const auto end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

bool readLong(const std::string& text, long& value) {
    const auto end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

bool sixDigits(const std::string& text) {
    return text.size() == 6 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string setOption(Options& o, const std::string& name, const std::string& value,
                      const Reader& r) {
    if (name == "port") o.port = value;
    if (name == "serial") o.serial = value;
    if (name == "dial") o.dial = value, o.modem = true;
    if (name == "location") o.location = value, o.modem = true;
    if (name == "ini") o.ini = value;
    if (name == "trace") o.trace = value;
    if (name == "dir") o.dir = value;
    if (name == "out") o.out = value;
    if (name == "csv") o.csv = value;
    if (name == "modem") o.modem = true;
    if (name == "english") o.english = true;
    if (name == "json") o.json = true;
    if (name == "yes") o.yes = true;
    if (name == "quiet") o.quiet = true;
    if (name == "help") o.help = true;
    if (name == "version") o.version = true;
    if (name == "baud") {
        long baud = 0;
        if (!readLong(value, baud) || (baud != 9600 && baud != 19200))
            return withArgs(
                r.tr("--baud: 19200 oder 9600, nicht \"%1\"", "--baud: 19200 or 9600, not \"%1\""),
                {value});
        o.baud = static_cast<int>(baud);
    }
    if (name == "kind") {
        o.kind = kindNamed(value);
        if (!o.kind)
            return withArgs(r.tr("--kind: softener, osmosis oder measuring, nicht \"%1\"",
                                 "--kind: softener, osmosis or measuring, not \"%1\""),
                            {value});
    }
    if (name == "interval" &&
        (!readDouble(value, o.interval) || !(o.interval >= 1) || o.interval > 86400))
        return withArgs(r.tr("--interval: Sekunden von 1 bis 86400, nicht \"%1\"",
                             "--interval: seconds from 1 to 86400, not \"%1\""),
                        {value});
    if (name == "count" && (!readLong(value, o.count) || o.count < 0))
        return withArgs(r.tr("--count: eine Anzahl, nicht \"%1\"", "--count: a number, not \"%1\""),
                        {value});
    return {};
}

// Reads the words into the options; the first error ends it.
std::string readWords(Options& o, const Reader& r) {
    const std::vector<std::string>& words = r.words;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "-h") {
            o.help = true;
            continue;
        }
        if (word.rfind("--", 0) != 0 || word.size() == 2) {
            if (o.command.empty())
                o.command = word;
            else
                o.args.push_back(word);
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name =
            word.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const auto option = optionTable().find(name);
        if (option == optionTable().end())
            return withArgs(r.tr("Unbekannte Option %1", "Unknown option %1"), {word});
        std::string value;
        if (option->second == Takes::Value) {
            if (equals != std::string::npos) {
                value = word.substr(equals + 1);
            } else if (i + 1 < words.size()) {
                value = words[++i];
            } else {
                return withArgs(r.tr("%1 braucht einen Wert", "%1 needs a value"), {word});
            }
        } else if (equals != std::string::npos) {
            return withArgs(r.tr("%1 nimmt keinen Wert", "%1 takes no value"), {"--" + name});
        }
        o.given.push_back(name);
        if (std::string error = setOption(o, name, value, r); !error.empty()) return error;
    }
    return {};
}

bool given(const Options& o, const std::string& name) {
    return std::find(o.given.begin(), o.given.end(), name) != o.given.end();
}

// The words each command takes after its name.
std::string checkWords(const Options& o, const Reader& r) {
    const std::vector<std::string>& a = o.args;
    const std::string& c = o.command;
    const auto wrong = [&] {
        return withArgs(r.tr("%1: falsche Angaben (aquendorctl %1 --help)",
                             "%1: wrong arguments (aquendorctl %1 --help)"),
                        {c});
    };
    if (c == "status" || c == "value" || c == "watch") return a.empty() ? "" : wrong();
    if (c == "params") {
        if (a.empty()) return {};
        if ((a[0] == "export" || a[0] == "write") && a.size() == 2) return {};
        if (a[0] == "set" && a.size() >= 2) {
            for (std::size_t i = 1; i < a.size(); ++i)
                if (a[i].find('=') == std::string::npos || a[i].front() == '=')
                    return withArgs(r.tr("params set: NAME=WERT erwartet, nicht \"%1\"",
                                         "params set: NAME=VALUE expected, not \"%1\""),
                                    {a[i]});
            return {};
        }
        return wrong();
    }
    if (c == "history")
        return a.size() == 1 && (a[0] == "status" || a[0] == "error") ? "" : wrong();
    if (c == "command") return a.size() == 1 ? "" : wrong();
    if (c == "logger") return a.size() == 1 && (a[0] == "read" || a[0] == "clear") ? "" : wrong();
    if (c == "round") return a.size() == 1 ? "" : wrong();
    if (c == "help") return a.size() <= 1 ? "" : wrong();
    return withArgs(r.tr("Unbekannter Befehl \"%1\" (aquendorctl --help)",
                         "Unknown command \"%1\" (aquendorctl --help)"),
                    {c});
}

std::string checkOptionsOfCommand(const Options& o, const Reader& r) {
    for (const auto& [name, commands] : commandOptions())
        if (given(o, name) &&
            std::find(commands.begin(), commands.end(), o.command) == commands.end())
            return withArgs(r.tr("%1 nimmt die Option --%2 nicht", "%1 does not take --%2"),
                            {o.command, name});
    if (given(o, "out") && !(o.args.size() == 1 && o.args[0] == "read"))
        return r.tr("--out gilt nur f\u00FCr logger read", "--out belongs to logger read only");
    return {};
}

// The unit: a kind and a serial number for every command but the round,
// whose file names each unit's.
std::string checkUnit(const Options& o, const Reader& r) {
    if (o.command == "round") {
        if (o.dir.empty()) return r.tr("round braucht --dir ORDNER", "round needs --dir FOLDER");
        if (!o.serial.empty() || o.kind || !o.dial.empty() || !o.location.empty())
            return r.tr("round: Seriennummer, Art und W\u00E4hlnummer stehen in der Rundendatei",
                        "round: serial numbers, kinds and dial numbers belong in the round file");
        return {};
    }
    if (!o.kind)
        return r.tr("--kind softener|osmosis|measuring fehlt",
                    "--kind softener|osmosis|measuring is missing");
    if (!sixDigits(o.serial))
        return r.tr("--serial: die 6 Ziffern der Seriennummer",
                    "--serial: the 6 digits of the serial number");
    return {};
}

std::string checkModem(const Options& o, const Reader& r) {
    if (!o.dial.empty() && !o.location.empty())
        return r.tr("--dial oder --location, nicht beide", "--dial or --location, not both");
    if (o.modem && o.dial.empty() && o.location.empty() && o.command != "round")
        return r.tr("--modem braucht --dial NUMMER oder --location NAME",
                    "--modem needs --dial NUMBER or --location NAME");
    if (!o.dial.empty() && !usableDialNumber(o.dial))
        return withArgs(
            r.tr("--dial: Ziffern und W\u00E4hlzeichen (, W P T * # ! @), h\u00F6chstens "
                 "19, nicht \"%1\"",
                 "--dial: digits and dial modifiers (, W P T * # ! @), at most 19, not "
                 "\"%1\""),
            {o.dial});
    if (!o.ini.empty() && o.location.empty())
        return r.tr("--ini gilt nur mit --location", "--ini goes with --location only");
    if (!o.location.empty() && o.kind == UnitKind::Measuring)
        return r.tr("Vantiqo f\u00FChrt kein Telefonbuch: bitte --dial NUMMER",
                    "Vantiqo keeps no phonebook: use --dial NUMBER");
    return {};
}

}  // namespace

const char* kindName(UnitKind kind) {
    switch (kind) {
        case UnitKind::Softener:
            return "softener";
        case UnitKind::Osmosis:
            return "osmosis";
        case UnitKind::Measuring:
            return "measuring";
    }
    return "";
}

std::optional<UnitKind> kindNamed(const std::string& name) {
    for (UnitKind kind : {UnitKind::Softener, UnitKind::Osmosis, UnitKind::Measuring})
        if (name == kindName(kind)) return kind;
    return std::nullopt;
}

const std::vector<std::string>& commandNames() {
    static const std::vector<std::string> names = {"status", "params", "history", "command",
                                                   "value",  "logger", "watch",   "round"};
    return names;
}

bool usableDialNumber(const std::string& number) {
    if (number.empty() || number.size() > 19) return false;
    return std::all_of(number.begin(), number.end(), [](char c) {
        return (c >= '0' && c <= '9') ||
               std::string_view(",WwPpTt*#!@").find(c) != std::string_view::npos;
    });
}

ParsedOptions parseOptions(const std::vector<std::string>& words) {
    ParsedOptions parsed;
    Options& o = parsed.options;
    // The language first, so that every complaint is in it.
    Reader reader{words, std::find(words.begin(), words.end(), "--english") != words.end()};
    parsed.error = readWords(o, reader);
    if (!parsed.error.empty() || o.help || o.version) return parsed;
    if (o.command.empty()) {
        parsed.error =
            reader.tr("Kein Befehl (aquendorctl --help)", "No command (aquendorctl --help)");
        return parsed;
    }
    for (auto check : {checkWords, checkOptionsOfCommand, checkUnit, checkModem}) {
        if (o.command == "help") break;
        parsed.error = check(o, reader);
        if (!parsed.error.empty()) break;
    }
    return parsed;
}

}  // namespace cli
