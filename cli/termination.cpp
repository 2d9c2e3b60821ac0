#include "cli/termination.h"

#include <csignal>
#include <iterator>

#include "devlink/wait_hook.h"

namespace cli {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
volatile std::sig_atomic_t receivedSignal = 0;
struct sigaction previous[std::size(kSignals)];
bool installed[std::size(kSignals)] = {};

// Only what is safe in a signal handler: note the signal and tell every
// wait of the device link to give up.
void onSignal(int signal) {
    if (receivedSignal == 0) receivedSignal = signal;
    devlink::requestEnd();
}

}  // namespace

TerminationSignals::TerminationSignals() {
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a question waiting for its answer ends at once.
    action.sa_flags = 0;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        // A signal the program was started to ignore (nohup) stays ignored.
        if (sigaction(kSignals[i], nullptr, &previous[i]) != 0 || previous[i].sa_handler == SIG_IGN)
            continue;
        installed[i] = sigaction(kSignals[i], &action, nullptr) == 0;
    }
}

TerminationSignals::~TerminationSignals() {
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        if (installed[i]) sigaction(kSignals[i], &previous[i], nullptr);
}

int TerminationSignals::received() {
    return receivedSignal;
}

}  // namespace cli
