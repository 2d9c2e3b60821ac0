// The simulator's end of the cable: a pseudo-terminal whose master side the
// simulator reads and writes, and whose slave side a program opens as its
// serial port.
#pragma once

#include <string>

namespace unitsim {

class PseudoTerminal {
  public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Creates the pair with a raw line. False with errno kept on failure.
    bool open();
    // Both sides go: the program's port sees the device vanish.
    void close() { closeAll(); }
    bool isOpen() const { return master_ >= 0; }

    int masterFd() const { return master_; }
    // The speed a program set on the slave side (9600, 19200 ...; 0 when
    // unknown). Read through the master, which reports the slave's line
    // settings, so it works while a program holds the port exclusively.
    int lineBaud() const;
    const std::string& slavePath() const { return slavePath_; }

    // Readable when some program closed the slave side (-1 when unavailable).
    int closeWatchFd() const { return closeWatch_; }
    // Drains the close notices and drops the exclusive mode a program may
    // have set, so that it can open the port again.
    void releaseExclusiveMode();

  private:
    bool openMaster();
    bool openSlave();
    void watchCloses();
    void closeAll();

    int master_ = -1;
    // Held for the pair's whole life: without it the master side would see a
    // hang-up each time a program closes the port, e.g. to change the baud rate.
    int slave_ = -1;
    int closeWatch_ = -1;
    std::string slavePath_;
};

}  // namespace unitsim
