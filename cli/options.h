// The command line of aquendorctl: the connection options, the output
// options and the command with its words. Options may stand anywhere on the
// line, as "--name value" or "--name=value".
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cli {

enum class UnitKind { Softener, Osmosis, Measuring };

// "softener", "osmosis", "measuring"
const char* kindName(UnitKind kind);
std::optional<UnitKind> kindNamed(const std::string& name);

struct Options {
    // The unit and the way to it.
    std::string port;  // COMn, a device path, tcp:// or rfc2217://; empty: the program's own
    int baud = 19200;
    std::string serial;
    std::optional<UnitKind> kind;
    bool modem = false;
    std::string dial;
    std::string location;
    std::string ini;

    // Output and questions.
    bool english = false;
    bool json = false;
    bool yes = false;
    bool quiet = false;
    std::string trace;

    bool help = false;
    bool version = false;

    std::string command;            // "status", "params" ...; empty: none given
    std::vector<std::string> args;  // the words after the command

    // Options of single commands.
    std::string dir;       // where files go: histories, logger files, backups, a round
    std::string out;       // logger read: this file ("-": standard output)
    std::string csv;       // watch: the readings also into this file
    double interval = 15;  // watch: seconds between readings
    long count = 0;        // watch: readings to take (0: until stopped)

    // The options given, by name, to tell which a command may not take.
    std::vector<std::string> given;
};

struct ParsedOptions {
    Options options;
    std::string error;  // what is wrong with the line, in its language; empty when nothing
};

// Reads the words after the program name, then checks them: the command
// and its words, the options it may take, the serial number, the kind, the
// speed and the dial number.
ParsedOptions parseOptions(const std::vector<std::string>& words);

// The commands, in the order the help lists them.
const std::vector<std::string>& commandNames();

// Whether a dial number may go to the modem: digits and the dial modifiers
// (",", "W", "P", "T", "*", "#", "!", "@"), at most 19 characters, which
// is what the modem is sent.
bool usableDialNumber(const std::string& number);

}  // namespace cli
