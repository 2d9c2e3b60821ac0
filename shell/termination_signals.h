// SIGTERM (the desktop logging out, kill), SIGINT (Ctrl+C in the terminal)
// and SIGHUP (the terminal closed) end a program of the suite the way
// closing its window does: every event loop and dialog ends, so the window
// and its port are destroyed and the port's lock file is removed. An
// operation in progress gives up at its next wait. A second signal ends the
// program at once. A signal the program was started to ignore (nohup, a
// background job) stays ignored.
#pragma once

#include <QObject>
#include <csignal>

class QSocketNotifier;

namespace shell {

class TerminationSignals : public QObject {
    Q_OBJECT
  public:
    // After the QApplication exists; one for the program's life.
    TerminationSignals();
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // The program's exit code: 128 + the signal's number when a signal
    // ended it, as a shell reports it, else the code the program ran to.
    int exitCode(int ranTo) const;

  private:
    void endEventLoops();

    QSocketNotifier* notifier_ = nullptr;
    struct sigaction previous_[3] = {};
    bool installed_[3] = {};
};

}  // namespace shell
