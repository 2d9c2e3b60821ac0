// The measuring program's window for the fuzz targets: records what the
// operations show and answers questions and the progress display from
// the input's choices.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "measuring/measuring_ui.h"

namespace fuzzing {

class FuzzMeasuringUi : public measuring::MeasuringUi {
  public:
    // LinkWindow, as FuzzWindow records it.
    bool english() const override { return false; }
    void showMessage(const std::string& text, devlink::MessageCaption) override {
        messages.push_back(text);
    }
    void setStatusText(const std::string& word) override { status = word; }
    void showLinkState() override { status = "OFFLINE"; }
    bool intervalReadingTicked() const override { return false; }
    void stopIntervalTimer() override {}
    void startIntervalTimer() override {}
    std::string serialNumberText() const override { return serial; }
    void focusSerialNumber() override {}
    void showVariant(const std::string& name) override { variant = name; }

    void tell(const std::string& text, devlink::MessageCaption, measuring::UiIcon) override {
        messages.push_back(text);
    }
    bool ask(const std::string& text, measuring::UiIcon) override {
        messages.push_back(text);
        return answerYes;
    }
    void showMeasuredText(const std::string& text) override { measured.push_back(text); }
    void showRestState() override { status = "BEREIT"; }
    void repaintWindow() override {}
    void beginProgress(std::uint64_t announced) override {
        progressOpen = true;
        this->announced = announced;
    }
    bool updateProgress(const measuring::ReadoutProgress& progress) override {
        lastProgress = progress;
        return ++blocks != stopAfterBlock;
    }
    void endProgress() override { progressOpen = false; }
    std::tm localTime() override {
        std::tm moment{};
        moment.tm_year = 126;
        moment.tm_mon = 11;
        moment.tm_mday = 7;
        moment.tm_hour = 14;
        moment.tm_min = 30;
        return moment;
    }
    bool showFolder(const std::string&) override { return true; }

    std::string serial = "123456";
    std::string status = "BEREIT";
    std::string variant;
    bool answerYes = true;
    int stopAfterBlock = 0;  // 0: never
    int blocks = 0;
    bool progressOpen = false;
    std::uint64_t announced = 0;
    measuring::ReadoutProgress lastProgress;
    std::vector<std::string> messages, measured;
};

}  // namespace fuzzing
