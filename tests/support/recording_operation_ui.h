// An OperationUi that records every effect, for running the controller
// core's operations without a window: the device link's effects as
// RecordingWindow keeps them, and the message boxes, with scripted answers
// to questions (No when the script is empty).
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "controller/operation_ui.h"
#include "recording_window.h"

namespace testsupport {

class RecordingOperationUi : public RecordingWindowOf<controller::OperationUi> {
  public:
    std::string folder;  // the start folder
    std::vector<controller::Message> said;
    std::deque<controller::MessageAnswer> script;
    std::vector<std::pair<int, int>> shownFields;  // page, control
    int programEnds = 0;

    controller::MessageAnswer say(const controller::Message& message) override {
        said.push_back(message);
        if (message.buttons == controller::MessageButtons::Ok) return controller::MessageAnswer::Ok;
        if (script.empty()) return controller::MessageAnswer::No;
        const controller::MessageAnswer answer = script.front();
        script.pop_front();
        return answer;
    }
    void showField(int page, int control) override { shownFields.emplace_back(page, control); }
    std::string startDirectory() const override { return folder; }
    std::string saveFileName(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    std::string openFileName(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    void endProgramNow() override { ++programEnds; }

    std::string lastSaid() const { return said.empty() ? "" : said.back().text; }
};

}  // namespace testsupport
