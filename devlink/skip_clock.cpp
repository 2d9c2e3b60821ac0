#include "devlink/skip_clock.h"

#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <ctime>
#include <mutex>
#include <vector>

#include "devlink/delay.h"

namespace devlink {

namespace {

struct Party {
    bool waiting = false;
    std::int64_t wakeUs = -1;  // -1: waits for nothing but its descriptors
    std::vector<pollfd> fds;   // what it waits for while waiting
    int wakeFd = -1;           // written when the clock jumps
};

// A party whose descriptors are ready is about to wake, whatever it says.
bool aboutToWake(Party& party) {
    return !party.fds.empty() && ::poll(party.fds.data(), party.fds.size(), 0) != 0;
}

struct Receiver {
    InFlight kind;
    int fd;
};

struct Parties {
    std::mutex mutex;
    std::vector<Party*> all;
    long long inFlight[3] = {0, 0, 0};
    std::vector<Receiver> receivers;
};

// Never destroyed: a thread may leave while the process ends.
Parties& parties() {
    static Parties* const instance = new Parties;
    return *instance;
}

std::atomic<bool> skipping{false};
std::atomic<std::int64_t> skipped{0};
std::atomic<int> receiverCount{0};
thread_local Party* self = nullptr;

long long& inFlight(Parties& p, InFlight kind) {
    return p.inFlight[static_cast<int>(kind)];
}

void wake(const Party& party) {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(party.wakeFd, &one, sizeof one);
}

// With the mutex held: what was put and is neither taken nor arrived at its
// receiver (a pseudo-terminal hands bytes over a moment after the write).
bool underWay(const Parties& p, InFlight kind) {
    long long count = p.inFlight[static_cast<int>(kind)];
    for (const Receiver& receiver : p.receivers) {
        int arrived = 0;
        if (receiver.kind == kind && ioctl(receiver.fd, FIONREAD, &arrived) == 0) count -= arrived;
    }
    return count > 0;
}

// With the mutex held: every party but `except` waits with nothing arrived
// for it, and nothing is under way.
bool quiet(Parties& p, const Party* except) {
    for (const InFlight kind : {InFlight::ToUnit, InFlight::ToProgram, InFlight::Signal})
        if (underWay(p, kind)) return false;
    for (Party* party : p.all)
        if (party != except && (!party->waiting || aboutToWake(*party))) return false;
    return true;
}

// With the mutex held: jumps to the earliest wake-up when every party waits
// and nothing is under way.
void trySkip(Parties& p) {
    if (!skipping || p.all.empty() || !quiet(p, nullptr)) return;
    std::int64_t target = -1;
    for (const Party* party : p.all)
        if (party->wakeUs >= 0 && (target < 0 || party->wakeUs < target)) target = party->wakeUs;
    if (target < 0) return;
    const std::int64_t now = monotonicUs();
    if (target <= now) return;
    skipped += target - now;
    for (const Party* party : p.all)
        if (party != self) wake(*party);
}

void setWaiting(bool waiting, std::int64_t wakeUs, const pollfd* fds, nfds_t count) {
    Parties& p = parties();
    std::lock_guard lock(p.mutex);
    self->waiting = waiting;
    self->wakeUs = wakeUs;
    self->fds.assign(fds, fds + count);
    if (waiting) trySkip(p);
}

timespec untilPieceEnd(std::int64_t pieceEndUs) {
    const std::int64_t left = std::max<std::int64_t>(0, pieceEndUs - monotonicUs());
    return timespec{static_cast<time_t>(left / 1000000), static_cast<long>(left % 1000000) * 1000};
}

int plainWait(pollfd* fds, nfds_t count, std::int64_t pieceEndUs) {
    if (pieceEndUs < 0) return ::poll(fds, count, -1);
    const timespec timeout = untilPieceEnd(pieceEndUs);
    return ::ppoll(fds, count, &timeout, nullptr);
}

}  // namespace

void enableClockSkipping(bool on) {
    skipping = on;
    if (!on) return;
    // A new start: nothing is under way yet.
    Parties& p = parties();
    std::lock_guard lock(p.mutex);
    for (long long& count : p.inFlight) count = 0;
}

bool clockSkipping() {
    return skipping;
}

std::int64_t skippedUs() {
    return skipped.load(std::memory_order_relaxed);
}

ClockParty::ClockParty() {
    if (self) return;  // joined already
    self = new Party;
    self->wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    Parties& p = parties();
    std::lock_guard lock(p.mutex);
    p.all.push_back(self);
}

ClockParty::~ClockParty() {
    if (!self) return;
    Parties& p = parties();
    {
        std::lock_guard lock(p.mutex);
        p.all.erase(std::remove(p.all.begin(), p.all.end(), self), p.all.end());
        trySkip(p);  // the others may all be waiting now
    }
    ::close(self->wakeFd);
    delete self;
    self = nullptr;
}

void notePut(InFlight kind, std::size_t count) {
    if (!skipping) return;
    Parties& p = parties();
    std::lock_guard lock(p.mutex);
    inFlight(p, kind) += static_cast<long long>(count);
}

void noteTaken(InFlight kind, std::size_t count) {
    if (!skipping) return;
    Parties& p = parties();
    std::lock_guard lock(p.mutex);
    long long& under = inFlight(p, kind);
    under = std::max(0LL, under - static_cast<long long>(count));
}

// Only while skipping, so that a program that never skips never takes the
// lock (a child forked while another thread held it would hang on it).
void noteReceiver(InFlight kind, int fd) {
    if (!skipping) return;
    Parties& p = parties();
    std::lock_guard lock(p.mutex);
    p.receivers.push_back({kind, fd});
    ++receiverCount;
}

void forgetReceiver(int fd) {
    if (receiverCount == 0) return;
    Parties& p = parties();
    std::lock_guard lock(p.mutex);
    const auto gone =
        std::erase_if(p.receivers, [fd](const Receiver& receiver) { return receiver.fd == fd; });
    receiverCount -= static_cast<int>(gone);
}

bool waitUntilQuiet(int limitMs) {
    Parties& p = parties();
    for (int waited = 0;; ++waited) {
        {
            std::lock_guard lock(p.mutex);
            if (quiet(p, self)) return true;
        }
        if (waited >= limitMs) return false;
        const timespec pause{0, 1000000};  // a millisecond, in real time
        nanosleep(&pause, nullptr);
    }
}

int waitOnClock(pollfd* fds, nfds_t count, std::int64_t wakeUs, std::int64_t pieceEndUs) {
    if (!skipping || !self) return plainWait(fds, count, pieceEndUs);
    setWaiting(true, wakeUs, fds, count);
    std::vector<pollfd> all(fds, fds + count);
    all.push_back({self->wakeFd, POLLIN, 0});
    // A piece that has ended already is a look without waiting.
    int ready = plainWait(all.data(), all.size(), pieceEndUs);
    const int error = errno;
    setWaiting(false, -1, nullptr, 0);
    if (all.back().revents & POLLIN) {
        std::uint64_t jumps = 0;
        [[maybe_unused]] const ssize_t n = ::read(self->wakeFd, &jumps, sizeof jumps);
        --ready;
    }
    for (nfds_t i = 0; i < count; ++i) fds[i].revents = all[i].revents;
    errno = error;
    return ready;
}

}  // namespace devlink
