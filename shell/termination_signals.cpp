#include "shell/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>

#include "devlink/wait_hook.h"

namespace shell {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler may only do what is safe in a signal handler: it notes the
// signal, tells the waits of the device link to give up and writes a byte
// into a pipe whose other end the event loop watches.
int wakeUp[2] = {-1, -1};
volatile std::sig_atomic_t received = 0;

void onSignal(int signal) {
    if (received != 0) {  // asked again while ending: end now
        struct sigaction fallback {};
        fallback.sa_handler = SIG_DFL;
        sigemptyset(&fallback.sa_mask);
        sigaction(signal, &fallback, nullptr);
        raise(signal);
        return;
    }
    received = signal;
    devlink::requestEnd();
    const int saved = errno;
    const char byte = 1;
    (void)!write(wakeUp[1], &byte, 1);
    errno = saved;
}

}  // namespace

TerminationSignals::TerminationSignals() {
    if (pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::endEventLoops);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : kSignals) sigaddset(&action.sa_mask, signal);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (sigaction(kSignals[i], nullptr, &previous_[i]) != 0 ||
            previous_[i].sa_handler == SIG_IGN)
            continue;
        installed_[i] = sigaction(kSignals[i], &action, nullptr) == 0;
    }
}

TerminationSignals::~TerminationSignals() {
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        if (installed_[i]) sigaction(kSignals[i], &previous_[i], nullptr);
    if (wakeUp[0] < 0) return;
    delete notifier_;
    ::close(wakeUp[0]);
    ::close(wakeUp[1]);
    wakeUp[0] = wakeUp[1] = -1;
}

int TerminationSignals::exitCode(int ranTo) const {
    return received != 0 ? 128 + received : ranTo;
}

// Ends the main window's loop and every dialog's over it; a dialog opened
// after this returns at once, so the program runs down to its end.
void TerminationSignals::endEventLoops() {
    char bytes[16];
    while (::read(wakeUp[0], bytes, sizeof bytes) > 0) {
    }
    QCoreApplication::exit(0);
}

}  // namespace shell
