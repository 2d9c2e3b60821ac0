// The request/answer exchange over a real pseudo-terminal against the unit
// simulator: bytes on the wire, pauses, answer limits, timeouts, messages.
#include <gtest/gtest.h>

#include <time.h>

#include <chrono>

#include "devlink/delay.h"
#include "devlink/login.h"
#include "sim_fixture.h"

using namespace devlink;
using testsupport::SimulatedLine;
using testsupport::SimulatedLineOnTestClock;
using testsupport::SkippingClock;
using unitsim::Fault;

namespace {

std::int64_t threadCpuUs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

}  // namespace

TEST_F(SimulatedLine, LoginGoesOutInOneRunWithoutPauses) {
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 2);
    const auto received = sim->received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].bytes, std::string("CSN|123456|11\x04"));
    const auto& times = received[0].byteTimes;
    ASSERT_EQ(times.size(), 14u);
    // Paused, all thirteen gaps would last 1 ms or more; unpaused bytes come
    // in bursts, and a busy machine can stretch only a few gaps.
    int pauses = 0;
    for (std::size_t i = 1; i < times.size(); ++i)
        pauses += std::chrono::duration<double, std::milli>(times[i] - times[i - 1]).count() >= 1.0;
    EXPECT_LT(pauses, 6);
}

TEST_F(SimulatedLine, PausedRequestLeavesAtLeastOneMillisecondBetweenBytes) {
    // Measured on the writer's side: a busy machine can only stretch pauses,
    // while the receiving thread's wake-ups may bunch bytes together.
    const auto begin = std::chrono::steady_clock::now();
    ASSERT_TRUE(link.writeRequest(frameRequest("DSI|"), true));
    const double writeMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    EXPECT_GE(writeMs, 7.0);  // seven bytes, each followed by at least 1 ms
    ASSERT_EQ(link.readAnswer(answer, false), ReadResult::Complete);
    const auto received = sim->received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].bytes, std::string("DSI|5C\x04"));
    EXPECT_EQ(answerLength(answer), 198u);  // "DSI|", 190 characters, "|", checksum, end byte
}

TEST_F(SimulatedLine, AnswerOfExactly700CharactersWithEndByteIsComplete) {
    std::string full(699, 'A');
    full += '\x04';
    sim->queueRawAnswer(full);
    ASSERT_TRUE(link.writeRequest(frameRequest("DSI|"), true));
    EXPECT_EQ(link.readAnswer(answer, false), ReadResult::Complete);
    EXPECT_EQ(answerLength(answer), 700u);
    EXPECT_EQ(answer[699], '\x04');
}

TEST_F(SimulatedLineOnTestClock,
       SevenHundredCharactersWithoutEndByteOverflowAndTheRestStaysInTheLine) {
    std::string tooLong(700, 'A');
    tooLong += "BCD\x04";
    sim->queueRawAnswer(tooLong);
    ASSERT_TRUE(link.writeRequest(frameRequest("DSI|"), true));
    EXPECT_EQ(link.readAnswer(answer, false), ReadResult::Overflow);
    EXPECT_EQ(answerLength(answer), 700u);
    EXPECT_EQ(port.readByte(), std::optional<std::uint8_t>('B'));  // the 701st was never read

    // The next login empties the line first (once the unit has sent it all).
    ASSERT_TRUE(SkippingClock::settle());
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 2);
    // The full exchange names the overflow, and again the login cleans up.
    sim->queueRawAnswer(std::string(720, 'A'));
    EXPECT_FALSE(link.exchange("DSI|", "DSI", true, answer));
    EXPECT_EQ(window.lastMessage(), "buffer overflow");
    EXPECT_EQ(window.messages.back().caption, MessageCaption::ProgramName);
    ASSERT_TRUE(SkippingClock::settle());
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 2);
}

TEST_F(SimulatedLine, SilentUnitGivesTheTransmissionErrorAfterSixSecondsWithoutSpinning) {
    window.intervalTicked = true;
    sim->setFault(Fault::Silence);
    const auto cpuBefore = threadCpuUs();
    const auto before = monotonicMs();
    EXPECT_FALSE(link.exchange("DSI|", "DSI", true, answer));
    const auto waited = monotonicMs() - before;
    const auto cpuUs = threadCpuUs() - cpuBefore;
    std::printf("silent unit: answer awaited %lld ms, %lld us of CPU\n",
                static_cast<long long>(waited), static_cast<long long>(cpuUs));
    EXPECT_GE(waited, 6000);
    EXPECT_LT(waited, 9000);
    EXPECT_LT(cpuUs, 200000);
    EXPECT_EQ(window.lastMessage(), "COM5: transmission error");
    EXPECT_EQ(window.messages.back().caption, MessageCaption::ProgramCaption);
    EXPECT_EQ(window.lastStatus(), "OFFLINE");
    // The interval timer was stopped for the wait and stays stopped.
    EXPECT_EQ(window.timerEvents, std::vector<std::string>{"stop"});
}

TEST_F(SimulatedLine, ChecksumFaultsNameTheDirection) {
    sim->setFault(Fault::ChecksumEcho);
    EXPECT_FALSE(link.exchange("SEQ|", "SEQ", true, answer));
    EXPECT_EQ(window.lastMessage(),
              "SEQ: checksum error, error in transmission (PC -> Aquendor\u00AE)");
    EXPECT_EQ(window.messages.back().caption, MessageCaption::ProgramCaption);

    sim->setFault(Fault::LowerCaseChecksum);
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 0);
    EXPECT_EQ(window.lastMessage(),
              "CSN: checksum error, error in transmission (Aquendor\u00AE -> PC)");

    sim->setFault(Fault::WrongChecksum);
    EXPECT_FALSE(link.exchange("DPI|", "DPI1", true, answer));
    EXPECT_EQ(window.lastMessage(),
              "DPI1: checksum error, error in transmission (Aquendor\u00AE -> PC)");
    EXPECT_EQ(window.lastStatus(), "OFFLINE");  // refreshed before the message

    // An echo of another command word is a valid answer for this one.
    sim->queueRawAnswer(checksumEcho("DSI"));
    EXPECT_TRUE(link.exchange("SEQ|", "SEQ", true, answer));
}

TEST_F(SimulatedLineOnTestClock, UntrustedAnswersEndInMessagesNotCrashes) {
    const std::string garbage[] = {
        std::string("\x04"),                      // nothing but the end byte
        std::string("0\x04"),                     // shorter than a checksum
        std::string("CSN|\0|0C\x04", 9),          // a NUL inside
        std::string("\xff\xfe\x80\x01\x02\x04"),  // binary noise
    };
    for (const auto& bytes : garbage) {
        window.messages.clear();
        sim->queueRawAnswer(bytes);
        EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 0);
        ASSERT_EQ(window.messages.size(), 1u);
        EXPECT_EQ(window.lastMessage(),
                  "CSN: checksum error, error in transmission (Aquendor\u00AE -> PC)");
    }
    sim->setFault(Fault::Overlong);
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 0);
    EXPECT_EQ(window.lastMessage(), "buffer overflow");
    ASSERT_TRUE(SkippingClock::settle());
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 2)
        << window.lastMessage();  // the login purged the rest
}

TEST_F(SimulatedLine, ClosedPortFailsAtPurgeAndWrite) {
    port.closePort();
    EXPECT_EQ(controllerLogin(link, LoginIntent::Read), 0);
    EXPECT_EQ(window.lastMessage(),
              "clear com-buffer failed:\nCOM5 nicht vorhanden oder bereits verwendet !");
    EXPECT_EQ(window.messages.back().caption, MessageCaption::ProgramName);
    EXPECT_FALSE(link.exchange("SEQ|", "SEQ", true, answer));
    EXPECT_EQ(window.lastMessage(), "write to comport failed");
    EXPECT_TRUE(sim->received().empty());
}
