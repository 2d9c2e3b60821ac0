// The terminal side of aquendorctl: messages on standard error in the
// chosen language, questions answered on a terminal (or by --yes), the
// progress bar of long work, and the class of the first failure, which
// becomes the exit code. Results go to standard output elsewhere.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "cli/exit_codes.h"

namespace cli {

struct ConsoleSettings {
    bool english = false;
    bool quiet = false;  // no notes and no progress bar; messages of failures still
    bool yes = false;    // questions are answered Yes without asking
};

class Console {
  public:
    explicit Console(ConsoleSettings settings, std::FILE* err = stderr, int in = 0);

    bool english() const { return settings_.english; }
    std::string tr(const char* german, const char* english) const {
        return settings_.english ? english : german;
    }

    // A message of an operation: why it failed, a warning, what the unit
    // said. Dropped while the program is being ended by a signal: the
    // exchange that was cut off would only report that.
    void message(const std::string& text);
    // Messages while an operation runs are held until its end: with --quiet
    // those of an operation that succeeded are dropped ("setting
    // imported", "logger cleared"), the others are shown. A question shows
    // what was held before it.
    void beginOperation();
    void endOperation(bool succeeded);
    // The tool's own note (a file written, what a question was answered);
    // not with --quiet.
    void note(const std::string& text);

    // A question, answered Yes or No. On a terminal it is asked (Enter
    // gives No); without one --yes answers Yes and nothing else does. A
    // question whose safe answer is No (writing without a backup) is never
    // answered by --yes.
    bool confirm(const std::string& question, bool safeAnswerNo = false);
    bool interactive() const;

    // The class of the first failure since the last reset; otherwise when none.
    void fail(ExitCode code);
    ExitCode failure(ExitCode otherwise) const;
    bool failed() const { return failure_ != kOk; }
    void resetFailure() { failure_ = kOk; }

    // A bar on standard error while long work runs, only on a terminal.
    void beginProgress(const std::string& label, std::uint64_t total);
    void progress(std::uint64_t done, double secondsLeft = -1);
    void endProgress();

  private:
    void clearProgressLine();
    bool terminalOutput() const;
    void print(const std::string& text);
    void showHeld();

    ConsoleSettings settings_;
    std::FILE* err_;
    int in_;
    ExitCode failure_ = kOk;
    bool holding_ = false;
    std::string held_;
    bool barShown_ = false;
    std::string barLabel_;
    std::uint64_t barTotal_ = 0;
};

}  // namespace cli
