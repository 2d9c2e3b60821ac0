#include "osmosis/aquendor_pln2_app.h"
#include "shell/program_main.h"

int main(int argc, char** argv) {
    return shell::programMain(argc, argv, CAquendorPLN2App::description(),
                              [](const std::string& commandLine) {
                                  CAquendorPLN2App app;
                                  return app.run(commandLine);
                              });
}
