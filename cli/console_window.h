// The device link's window effects for a program without a window: the
// serial number and dial number of the unit at hand, the modem's connected
// flag, and the failures of the line and of the login noted on the
// console, where they become the exit code. The status field and the
// interval timer of the windows have nothing to do here.
#pragma once

#include <string>

#include "cli/console.h"
#include "devlink/link_window.h"

namespace cli {

ExitCode exitCodeOf(devlink::LineFailure failure);

template <typename Base>
class ConsoleWindow : public Base {
  public:
    explicit ConsoleWindow(Console& console) : console_(console) {}

    Console& console() { return console_; }
    void setSerialNumber(std::string serial) { serial_ = std::move(serial); }
    void setDialNumber(std::string dial) { dial_ = std::move(dial); }

    bool english() const override { return console_.english(); }
    void showMessage(const std::string& text, devlink::MessageCaption) override {
        console_.message(text);
    }
    void setStatusText(const std::string&) override {}
    void showLinkState() override {}
    bool intervalReadingTicked() const override { return false; }
    void stopIntervalTimer() override {}
    void startIntervalTimer() override {}
    std::string serialNumberText() const override { return serial_; }
    void focusSerialNumber() override {}
    void loginRefused() override { console_.fail(kLoginRefused); }
    void lineFailed(devlink::LineFailure failure) override { console_.fail(exitCodeOf(failure)); }
    std::string dialNumberText() const override { return dial_; }
    void setConnected(bool connected) override { connected_ = connected; }
    bool connected() const override { return connected_; }

  private:
    Console& console_;
    std::string serial_;
    std::string dial_;
    bool connected_ = false;
};

}  // namespace cli
