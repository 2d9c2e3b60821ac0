// unitsim: a simulated unit on a pseudo-terminal, bound as a COM name so the
// operator programs can be tried without a controller at hand.
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "devlink/com_names.h"
#include "tools/unitsim/cli_options.h"
#include "tools/unitsim/console.h"
#include "tools/unitsim/simulator.h"
#include "tools/unitsim/traffic_log.h"

using namespace unitsim;

namespace {

// SIGINT and SIGTERM arrive on a descriptor instead of interrupting the
// program; blocked before the simulator's thread starts, so it inherits that.
int signalDescriptor() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    return signalfd(-1, &signals, SFD_CLOEXEC);
}

std::string plantText(const Config& config) {
    char scale[32];
    std::snprintf(scale, sizeof scale, "%g", config.timeScale);
    return "plant type " + std::to_string(config.plantType) + ", plant clock x" + scale;
}

std::string startLine(const CliOptions& options, const Simulator& simulator,
                      const std::string& folder) {
    const Config& config = options.config;
    std::string text = std::string("unitsim: ") + kindName(config.kind) + " unit, serial number " +
                       config.serialNumber + ", level " + std::to_string(config.level);
    if (config.kind == UnitKind::Measuring)
        text += ", variant " + std::to_string(config.variant) + ", " +
                std::to_string(config.loggerRecords) + " logger records";
    if (config.kind == UnitKind::Softener) text += ", " + plantText(config);
    text += " on " + simulator.devicePath();
    if (!options.comName.empty())
        text += " bound as " + options.comName + " (ports folder " + folder + ")";
    if (config.baud > 0) text += ", paced at " + std::to_string(config.baud) + " baud";
    if (config.modem)
        text += ", behind a modem (dial delay " + std::to_string(config.dialDelayMs) + " ms)";
    return text;
}

// Takes what standard input has and carries out the complete lines; false
// once it has ended (the last, unfinished line is carried out then).
bool readCommands(std::string& pending, Console& console, bool& quit) {
    char bytes[512];
    const ssize_t n = ::read(STDIN_FILENO, bytes, sizeof bytes);
    if (n < 0) return errno == EINTR || errno == EAGAIN;
    if (n == 0) pending.push_back('\n');
    pending.append(bytes, static_cast<std::size_t>(n));
    for (auto end = pending.find('\n'); end != std::string::npos && !quit;
         end = pending.find('\n')) {
        quit = !console.execute(pending.substr(0, end));
        pending.erase(0, end + 1);
    }
    return n > 0;
}

// Serves until a signal or "quit". At the end of standard input it goes on
// serving, so that it can run in the background with no input at all.
void serve(Console& console, int signals) {
    bool input = true, quit = false;
    std::string pending;
    while (!quit) {
        pollfd fds[] = {{signals, POLLIN, 0}, {input ? STDIN_FILENO : -1, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 && errno != EINTR) return;
        if (fds[0].revents & POLLIN) return;
        if (fds[1].revents & POLLNVAL)  // started with standard input closed
            input = false;
        else if (fds[1].revents & (POLLIN | POLLHUP | POLLERR))
            input = readCommands(pending, console, quit);
    }
}

int run(const CliOptions& options) {
    const int signals = signalDescriptor();
    Simulator simulator(options.config);
    if (!simulator.open()) {
        std::cerr << "unitsim: no pseudo-terminal: " << std::strerror(errno) << '\n';
        return 1;
    }
    const std::string folder =
        options.portsFolder.empty() ? devlink::portsFolder() : options.portsFolder;
    if (!options.comName.empty() && !simulator.bindComName(folder, options.comName)) {
        std::cerr << "unitsim: cannot bind " << options.comName << " in " << folder << ": "
                  << std::strerror(errno) << '\n';
        return 1;
    }
    TrafficLog log(std::cout);
    simulator.setTrafficObserver(
        [&log](Direction direction, const std::string& bytes) { log.telegram(direction, bytes); });
    log.line(startLine(options, simulator, folder));
    simulator.start();
    Console console(simulator, log);
    serve(console, signals);
    simulator.stop();
    log.line("unitsim: stopped");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "unitsim: " << error << '\n' << usageText();
        return 2;
    }
    if (options->help) {
        std::cout << usageText();
        return 0;
    }
    if (options->version) {
        std::cout << "unitsim\nfrom the package " AQUENDOR_PACKAGE_VERSION "\n";
        return 0;
    }
    return run(*options);
}
