// aquendorctl: the suite's operations on the units from the command line.
#include <cstdio>

#include "cli/app.h"

int main(int argc, char** argv) {
    return cli::runAquendorctl(std::vector<std::string>(argv + 1, argv + argc), stdout, stderr);
}
