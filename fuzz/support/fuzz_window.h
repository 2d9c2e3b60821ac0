// A program window as the device link sees it, recording what the link
// does to it: messages, the status field, the interval timer, the login
// answers and the modem connection.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "devlink/link_window.h"

namespace fuzzing {

class FuzzWindow : public devlink::LinkWindow {
  public:
    bool english() const override { return englishTexts; }
    void showMessage(const std::string& text, devlink::MessageCaption) override {
        messages.push_back(text);
    }
    void setStatusText(const std::string& word) override { status = word; }
    void showLinkState() override { status = isConnected ? "ONLINE" : "OFFLINE"; }

    bool intervalReadingTicked() const override { return intervalTicked; }
    void stopIntervalTimer() override { timerRunning = false; }
    void startIntervalTimer() override { timerRunning = true; }

    std::string serialNumberText() const override { return serial; }
    void focusSerialNumber() override { ++serialFocused; }
    void loginAnswered(devlink::LoginAnswer answer) override { answers.push_back(answer); }
    void showVariant(const std::string& name) override { variant = name; }

    std::string dialNumberText() const override { return dialNumber; }
    void focusDialNumber() override {}
    void setConnected(bool connected) override { isConnected = connected; }
    bool connected() const override { return isConnected; }
    void enableModemControl(devlink::ModemControl control, bool enable) override {
        modemControls[control] = enable;
    }

    bool answered(devlink::LoginAnswer answer) const {
        for (devlink::LoginAnswer a : answers)
            if (a == answer) return true;
        return false;
    }

    bool said(const std::string& part) const {
        for (const std::string& message : messages)
            if (message.find(part) != std::string::npos) return true;
        return false;
    }

    bool englishTexts = false;
    bool intervalTicked = false;
    bool timerRunning = false;
    bool isConnected = false;
    int serialFocused = 0;
    std::string serial = "123456";
    std::string dialNumber = "0123456789";
    std::string status = "OFFLINE";
    std::string variant;
    std::vector<std::string> messages;
    std::vector<devlink::LoginAnswer> answers;
    std::map<devlink::ModemControl, bool> modemControls;
};

}  // namespace fuzzing
