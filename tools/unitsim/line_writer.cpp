#include "tools/unitsim/line_writer.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "devlink/delay.h"
#include "devlink/skip_clock.h"

namespace unitsim {

namespace {

// How long a full line may stay full before the rest of the answer is
// dropped: a program that stopped reading must not stall the unit.
constexpr int kFullLineTimeoutMs = 200;

}  // namespace

void LineWriter::send(const std::string& bytes, int baud, const std::atomic<bool>& stop) const {
    if (baud > 0)
        sendPaced(bytes, baud, stop);
    else
        writeAll(bytes.data(), bytes.size());
}

void LineWriter::sendPaced(const std::string& bytes, int baud,
                           const std::atomic<bool>& stop) const {
    const std::int64_t startUs = devlink::monotonicUs();
    for (std::size_t i = 0; i < bytes.size() && !stop; ++i) {
        devlink::sleepUntilUs(startUs + static_cast<std::int64_t>(i) * 10'000'000 / baud);
        if (!writeAll(&bytes[i], 1)) return;
    }
}

bool LineWriter::writeAll(const char* data, std::size_t size) const {
    // Under way for a test's clock until the program has read it; what did
    // not go out is not.
    devlink::notePut(devlink::InFlight::ToProgram, size);
    while (size > 0) {
        const ssize_t n = ::write(fd_, data, size);
        if (n > 0) {
            data += n;
            size -= static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if ((n < 0 && errno != EAGAIN) || !lineTakesMore()) {
            devlink::noteTaken(devlink::InFlight::ToProgram, size);
            return false;
        }
    }
    return true;
}

bool LineWriter::lineTakesMore() const {
    pollfd p{fd_, POLLOUT, 0};
    return poll(&p, 1, kFullLineTimeoutMs) > 0;
}

}  // namespace unitsim
