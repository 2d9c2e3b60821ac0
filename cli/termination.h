// SIGINT (Ctrl+C), SIGTERM and SIGHUP end aquendorctl in order: the
// exchange in progress gives up at its next wait, a modem line is hung up
// and the port and its lock file are released before the program exits
// with 128 + the signal's number. Another signal during the hang-up cuts
// that short too; the port is released all the same.
#pragma once

namespace cli {

class TerminationSignals {
  public:
    TerminationSignals();  // one for the program's life
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // The signal that asked the program to end, 0 while none has.
    static int received();
};

}  // namespace cli
