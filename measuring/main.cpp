#include "measuring/vantiqo_app.h"
#include "shell/program_main.h"

int main(int argc, char** argv) {
    return shell::programMain(argc, argv, measuring::CVantiqoApp::description(),
                              [](const std::string&) {
                                  measuring::CVantiqoApp app;
                                  return app.run();
                              });
}
