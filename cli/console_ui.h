// What the controller core's operations and the measuring core's operations
// need from whoever runs them, on the console: messages go to standard
// error, questions to the console's rules, and the measuring readout's
// progress to its bar.
#pragma once

#include <string>

#include "cli/console_window.h"
#include "controller/operation_ui.h"
#include "measuring/measuring_ui.h"

namespace cli {

class ControllerConsoleUi : public ConsoleWindow<controller::OperationUi> {
  public:
    using ConsoleWindow::ConsoleWindow;

    // Where the backups and the error lists go.
    void setStartDirectory(std::string folder) { folder_ = std::move(folder); }

    controller::MessageAnswer say(const controller::Message& message) override;
    void showField(int, int) override {}
    std::string startDirectory() const override { return folder_; }
    std::string saveFileName(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    std::string openFileName(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    // A fatal file problem ends the operation; the tool ends with its code.
    void endProgramNow() override { console().fail(kFileProblem); }

  private:
    std::string folder_;
};

class MeasuringConsoleUi : public ConsoleWindow<measuring::MeasuringUi> {
  public:
    using ConsoleWindow::ConsoleWindow;

    // The readout's own question (how many records, how long) is the
    // command itself: answered Yes. Any other question is asked.
    void agreeToReadout(bool agree) { agreeToReadout_ = agree; }
    const std::string& variantName() const { return variant_; }

    void showVariant(const std::string& name) override { variant_ = name; }
    void tell(const std::string& text, devlink::MessageCaption, measuring::UiIcon) override {
        console().message(text);
    }
    bool ask(const std::string& text, measuring::UiIcon icon) override;
    void showMeasuredText(const std::string&) override {}
    void showRestState() override {}
    void repaintWindow() override {}
    void beginProgress(std::uint64_t announced) override;
    bool updateProgress(const measuring::ReadoutProgress& progress) override;
    void endProgress() override { console().endProgress(); }
    std::tm localTime() override;
    bool showFolder(const std::string&) override { return false; }

  private:
    bool agreeToReadout_ = false;
    std::string variant_;
};

}  // namespace cli
