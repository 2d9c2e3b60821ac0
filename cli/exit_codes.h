// The exit codes of aquendorctl, one per class of failure, so that a script
// can tell a unit that did not answer from a refused login or a full disk.
// The manual page and the README list them; they never change meaning.
#pragma once

namespace cli {

enum ExitCode : int {
    kOk = 0,
    kFailed = 1,       // anything else: the unit's answer held nothing usable, a command not taken
    kUsage = 2,        // the command line: an unknown option, a missing serial number ...
    kPortProblem = 3,  // the port cannot be opened or used
    kNoAnswer = 4,     // no answer in time, a lost line, a modem that did not connect
    kDamagedAnswer = 5,     // a checksum error either way, an answer too long
    kLoginRefused = 6,      // wrong serial number, no access, or reading only for a write
    kRefusedByCheck = 7,    // a value or a setting file the checks refuse; nothing was sent
    kFileProblem = 8,       // a file cannot be read or written
    kNotConfirmed = 9,      // a question was answered No, or asked without a terminal and --yes
    kRoundIncomplete = 10,  // a service round with at least one unit not reached or not done
};

// A program ended by a signal exits as a shell reports it: 128 + its number
// (130 for Ctrl+C, 143 for SIGTERM).
inline int signalExit(int signal) {
    return 128 + signal;
}

}  // namespace cli
