#include "shell/program_main.h"
#include "softener/aquendor_ksv2_app.h"

int main(int argc, char** argv) {
    return shell::programMain(argc, argv, CAquendorKSV2App::description(),
                              [](const std::string& commandLine) {
                                  CAquendorKSV2App app;
                                  return app.run(commandLine);
                              });
}
