// A LinkWindow that records every effect, for tests of the device link.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "devlink/link_window.h"

namespace testsupport {

struct RecordedMessage {
    std::string text;
    devlink::MessageCaption caption;
};

// Base: devlink::LinkWindow, or an interface that extends it.
template <class Base = devlink::LinkWindow>
class RecordingWindowOf : public Base {
  public:
    bool englishUi = true;
    bool intervalTicked = false;
    bool modemOnline = false;
    std::string serialNumber = "123456";

    std::vector<RecordedMessage> messages;
    std::vector<std::string> statusWords;       // every word written, in order
    std::vector<devlink::LoginAnswer> answers;  // every login answer reported
    std::vector<std::string> timerEvents;       // "stop" / "start"
    int focusCount = 0;
    std::string variant;

    bool english() const override { return englishUi; }
    void showMessage(const std::string& text, devlink::MessageCaption caption) override {
        messages.push_back({text, caption});
    }
    void setStatusText(const std::string& word) override { statusWords.push_back(word); }
    void showLinkState() override { statusWords.push_back(modemOnline ? "ONLINE" : "OFFLINE"); }
    bool intervalReadingTicked() const override { return intervalTicked; }
    void stopIntervalTimer() override { timerEvents.push_back("stop"); }
    void startIntervalTimer() override { timerEvents.push_back("start"); }
    std::string serialNumberText() const override { return serialNumber; }
    void focusSerialNumber() override { ++focusCount; }
    void loginAnswered(devlink::LoginAnswer answer) override { answers.push_back(answer); }
    void showVariant(const std::string& name) override { variant = name; }

    std::string lastMessage() const { return messages.empty() ? "" : messages.back().text; }
    std::string lastStatus() const { return statusWords.empty() ? "" : statusWords.back(); }
};

using RecordingWindow = RecordingWindowOf<>;

}  // namespace testsupport
