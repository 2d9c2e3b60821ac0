#include "cli/console.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>

#include "devlink/wait_hook.h"

namespace cli {

namespace {

constexpr int kBarWidth = 30;

// The first line after the program's name, the others indented under it.
std::string indented(const std::string& text) {
    std::string out = "aquendorctl: ";
    for (char c : text) {
        out += c;
        if (c == '\n') out += "  ";
    }
    return out + "\n";
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A line typed on the terminal, without its line end; nothing at the end
// of the input or when a signal cut the wait short.
bool readLine(int fd, std::string& line) {
    char c = 0;
    for (;;) {
        const ssize_t n = read(fd, &c, 1);
        if (n < 0 && errno == EINTR && !devlink::endRequested()) continue;
        if (n <= 0) return false;
        if (c == '\n') return true;
        if (line.size() < 80) line += c;
    }
}

}  // namespace

Console::Console(ConsoleSettings settings, std::FILE* err, int in)
    : settings_(settings), err_(err), in_(in) {}

bool Console::terminalOutput() const {
    return isatty(fileno(err_)) == 1;
}

bool Console::interactive() const {
    return isatty(in_) == 1;
}

void Console::print(const std::string& text) {
    clearProgressLine();
    std::fputs(text.c_str(), err_);
    std::fflush(err_);
}

void Console::message(const std::string& text) {
    if (devlink::endRequested()) return;
    if (holding_)
        held_ += indented(text);
    else
        print(indented(text));
}

void Console::note(const std::string& text) {
    if (!settings_.quiet) print(indented(text));
}

void Console::beginOperation() {
    showHeld();
    holding_ = true;
}

void Console::endOperation(bool succeeded) {
    holding_ = false;
    if (!succeeded || !settings_.quiet) showHeld();
    held_.clear();
}

void Console::showHeld() {
    if (!held_.empty()) print(held_);
    held_.clear();
}

bool Console::confirm(const std::string& question, bool safeAnswerNo) {
    showHeld();
    if (!interactive()) {
        if (settings_.yes && !safeAnswerNo) return true;
        message(question + "\n" +
                (safeAnswerNo ? tr("Ohne Terminal: Nein.", "Without a terminal: No.")
                              : tr("Ohne Terminal und ohne --yes: Nein.",
                                   "Without a terminal and without --yes: No.")));
        fail(kNotConfirmed);
        return false;
    }
    if (settings_.yes && !safeAnswerNo) return true;
    clearProgressLine();
    // The answer goes on the question's line.
    std::string prompt = indented(question);
    prompt.back() = ' ';
    std::fputs((prompt + (english() ? "[y/N] " : "[j/N] ")).c_str(), err_);
    std::fflush(err_);
    std::string line;
    const bool answered = readLine(in_, line);
    const std::string word = lower(line);
    const bool yes = answered && (word == "y" || word == "yes" || word == "j" || word == "ja");
    if (!yes) fail(kNotConfirmed);
    return yes;
}

void Console::fail(ExitCode code) {
    if (failure_ == kOk) failure_ = code;
}

ExitCode Console::failure(ExitCode otherwise) const {
    return failure_ != kOk ? failure_ : otherwise;
}

void Console::beginProgress(const std::string& label, std::uint64_t total) {
    barLabel_ = label;
    barTotal_ = total;
    progress(0);
}

void Console::progress(std::uint64_t done, double secondsLeft) {
    if (settings_.quiet || !terminalOutput() || barTotal_ == 0) return;
    const std::uint64_t shown = std::min(done, barTotal_);
    const int filled = static_cast<int>(kBarWidth * shown / barTotal_);
    std::string bar = "\r" + barLabel_ + " [" + std::string(filled, '#') +
                      std::string(kBarWidth - filled, '.') + "] " + std::to_string(shown) + "/" +
                      std::to_string(barTotal_);
    if (secondsLeft >= 0)
        bar += tr(", noch ", ", ") + std::to_string(static_cast<long>(secondsLeft + 0.5)) +
               tr(" s", " s left");
    std::fputs((bar + "\x1b[K").c_str(), err_);
    std::fflush(err_);
    barShown_ = true;
}

void Console::endProgress() {
    clearProgressLine();
    barTotal_ = 0;
}

void Console::clearProgressLine() {
    if (!barShown_) return;
    std::fputs("\r\x1b[K", err_);
    barShown_ = false;
}

}  // namespace cli
