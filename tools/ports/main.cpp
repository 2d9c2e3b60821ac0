#include <iostream>

#include "tools/ports/ports_command.h"

int main(int argc, char** argv) {
    return ports::runPortsCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                  std::cerr);
}
