// Kills a child process at random moments while it changes files, to show
// that every file stays exactly old or new. The child runs a loop of
// changes for ever and tells the parent through shared memory which change
// is under way; the parent kills it once it has begun, checks the files,
// and goes on until every change has been interrupted often enough.
#pragma once

#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace testsupport {

class KillHarness {
  public:
    // changes: how many kinds of change the loop makes (0 ... changes-1).
    explicit KillHarness(int changes) : interrupted_(static_cast<std::size_t>(changes), 0) {
        void* shared =
            mmap(nullptr, sizeof(int), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
        current_ = shared == MAP_FAILED ? nullptr : static_cast<volatile int*>(shared);
    }
    ~KillHarness() {
        if (current_) munmap(const_cast<int*>(current_), sizeof(int));
    }

    // Runs rounds until every change was interrupted `each` times (or
    // maxRounds). Each round: prepare(first) sets the files up for the
    // change `first`, the child runs loop(first, mark) for ever, where
    // mark(change) tells which change it begins; check() looks at the
    // files after the kill and returns an empty text when they are sound.
    // Returns the first complaint, or empty.
    std::string run(
        int each, int maxRounds, const std::function<void(int first)>& prepare,
        const std::function<void(int first, const std::function<void(int)>& mark)>& loop,
        const std::function<std::string()>& check) {
        if (!current_) return "no shared memory";
        std::mt19937 random(20261207);
        std::uniform_int_distribution<int> delayUs(0, 2500);
        const int changes = static_cast<int>(interrupted_.size());
        for (int round = 0; round < maxRounds && !done(each); ++round) {
            const int first = round % changes;
            if (interrupted_[static_cast<std::size_t>(first)] >= each) continue;
            prepare(first);
            *current_ = -1;
            const pid_t child = fork();
            if (child == 0) {
                volatile int* current = current_;
                loop(first, [current](int change) { *current = change; });
                _exit(0);
            }
            while (*current_ < 0) usleep(20);
            usleep(static_cast<useconds_t>(delayUs(random)));
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            ++kills_;
            ++interrupted_[static_cast<std::size_t>(*current_)];
            if (std::string complaint = check(); !complaint.empty())
                return "kill " + std::to_string(kills_) + " during change " +
                       std::to_string(*current_) + ": " + complaint;
        }
        return done(each) ? std::string() : "not every change was interrupted often enough";
    }

    int kills() const { return kills_; }
    const std::vector<int>& interrupted() const { return interrupted_; }

  private:
    bool done(int each) const {
        return *std::min_element(interrupted_.begin(), interrupted_.end()) >= each;
    }

    volatile int* current_ = nullptr;
    std::vector<int> interrupted_;
    int kills_ = 0;
};

}  // namespace testsupport
