#include "tools/bench/child_simulator.h"

#include <sys/wait.h>
#include <unistd.h>

namespace bench {

bool ChildSimulator::start(const unitsim::Config& config, const std::string& ports,
                           const std::string& comName) {
    int ready[2], alive[2];
    if (pipe(ready) != 0 || pipe(alive) != 0) return false;
    const pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        close(alive[1]);
        unitsim::Simulator sim(config);
        if (!sim.open() || !sim.bindComName(ports, comName)) _exit(1);
        sim.start();
        char byte = 1;
        if (write(ready[1], &byte, 1) != 1) _exit(1);
        while (read(alive[0], &byte, 1) > 0) {
        }
        sim.stop();
        _exit(0);
    }
    close(ready[1]);
    close(alive[0]);
    char byte = 0;
    const bool started = child > 0 && read(ready[0], &byte, 1) == 1;
    close(ready[0]);
    child_ = child;
    keepAlive_ = alive[1];
    if (!started) stop();
    return started;
}

void ChildSimulator::stop() {
    if (keepAlive_ >= 0) close(keepAlive_);
    keepAlive_ = -1;
    if (child_ > 0) waitpid(child_, nullptr, 0);
    child_ = -1;
}

}  // namespace bench
