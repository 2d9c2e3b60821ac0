// The clock the device link's waits run on can skip ahead, for tests, over
// stretches in which nothing can happen on the line: every party (the
// program's thread and the unit simulator's, each a thread that joined) is
// waiting, and every byte either side put on the line has been taken by the
// other. The clock then jumps to the earliest moment a party waits for. A
// unit that stays silent costs no real time, yet the program still sees its
// full 6 s timeout pass on the clock it reads (devlink::monotonicUs), and a
// 4 s pause after a reset ends only once the unit has read every byte sent.
//
// Off unless a test turns it on; then every wait of the link and of the
// simulator goes through waitOnClock. Waits outside it (a blocking call of
// another library, a thread that never joined) simply hold the clock at
// real time: skipping can only be missed, never happen too early.
#pragma once

#include <poll.h>

#include <cstddef>
#include <cstdint>

namespace devlink {

// What is under way between the parties: bytes in either direction of the
// line, and wake-up signals a party posted to another.
enum class InFlight { ToUnit, ToProgram, Signal };

void enableClockSkipping(bool on);
bool clockSkipping();
// The total time skipped so far (added to the monotonic clock).
std::int64_t skippedUs();

// The calling thread takes part for as long as this lives: while it runs
// (is not inside waitOnClock), the clock never skips.
class ClockParty {
  public:
    ClockParty();
    ~ClockParty();
    ClockParty(const ClockParty&) = delete;
    ClockParty& operator=(const ClockParty&) = delete;
};

// Bookkeeping of what is under way; each does nothing while skipping is off.
// put: before it goes on its way (so that the clock holds still until the
// other side has it); taken: once the other side has it, or when it is known
// to be gone (a purged buffer). A count that cannot be known is left put:
// the clock then runs in real time, never ahead of what is under way.
void notePut(InFlight kind, std::size_t count = 1);
void noteTaken(InFlight kind, std::size_t count = 1);

// The descriptor a side reads its bytes from (the program's end of the line
// for ToProgram, the unit's for ToUnit), while it is open. Bytes that have
// arrived there are no longer under way, even when nobody reads them (the
// answer to a reset that the program never reads, say).
void noteReceiver(InFlight kind, int fd);
void forgetReceiver(int fd);

// Waits, in real time and at most limitMs, until the line is quiet: every
// other party waits with nothing arrived for it, and nothing is under way.
// For a test that needs the unit to have sent everything, or to have seen
// everything sent to it, before it goes on. False at the limit.
bool waitUntilQuiet(int limitMs);

// Waits until one of fds is ready, or the clock reaches pieceEndUs. wakeUs is
// when the caller really wants to wake (the deadline of the wait it is a
// piece of, or -1 for none): the clock may jump to it. Returns poll()'s
// result: > 0 with fds ready, 0 when the piece ended, < 0 on an error.
int waitOnClock(pollfd* fds, nfds_t count, std::int64_t wakeUs, std::int64_t pieceEndUs);

}  // namespace devlink
