// A program of the suite cut down to what a termination signal meets: the
// shared start, COM5 held open with its lock file, and a window with,
// as the first argument says, nothing over it ("window"), a modal dialog
// over it ("modal") or an operation waiting for a unit that stays silent
// ("operation"). It prints "ready" once it is in that state.
#include <QDialog>
#include <QTimer>
#include <cstdio>

#include "devlink/serial_port.h"
#include "recording_window.h"
#include "shell/operation_guard.h"
#include "shell/program_main.h"

namespace {

void sayReady() {
    std::puts("ready");
    std::fflush(stdout);
}

void enterState(const std::string& mode, QDialog& window, devlink::SerialPort& port) {
    if (mode == "modal") {
        QDialog box(&window);
        QTimer::singleShot(0, &box, sayReady);
        box.exec();
    } else if (mode == "operation") {
        const shell::OperationGuard guard(&window);
        QTimer::singleShot(0, sayReady);  // runs at the first turn the wait gives
        // A hundred bytes from a silent line, six seconds each.
        for (int i = 0; i < 100; ++i) port.readByte();
        // The operation fails and says so in a message box.
        QDialog box(&window);
        box.exec();
    } else {
        sayReady();
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "window";
    const shell::ProgramDescription program{"termination_child", "1", "", "", "termination-child"};
    return shell::programMain(argc, argv, program, [&](const std::string&) {
        testsupport::RecordingWindow link;
        devlink::SerialPort port(link);
        port.setPortName("COM5");
        if (!port.openPort()) {
            std::fprintf(stderr, "%s\n", link.lastMessage().c_str());
            return 3;
        }
        QDialog window;
        QTimer::singleShot(0, &window, [&] { enterState(mode, window, port); });
        window.exec();
        return 0;
    });
}
