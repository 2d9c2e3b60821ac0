// Answers spoiled on purpose: each fault and raw answer hits the next
// answers in order, then the unit answers properly again.
#include <cctype>

#include "program_side.h"

using namespace unitsim;
using unitsim_test::RunningUnit;
using unitsim_test::withEnd;

namespace {

bool hasLowerCaseLetter(const std::string& text) {
    for (const char c : text)
        if (std::islower(static_cast<unsigned char>(c))) return true;
    return false;
}

}  // namespace

TEST_F(RunningUnit, SilenceSkipsOneAnswer) {
    start(Config{});
    sim->setFault(Fault::Silence);
    program->send(devlink::frameRequest("CSN|123456|"));
    EXPECT_EQ(program->read(300), "");
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|2|0E"));
}

TEST_F(RunningUnit, OverlongAnswerHasNoEndByte) {
    start(Config{});
    sim->setFault(Fault::Overlong);
    program->send(devlink::frameRequest("DSI|"));
    const std::string bytes = program->read(300);
    EXPECT_GT(bytes.size(), 700u);
    EXPECT_EQ(bytes.find(devlink::kEndByte), std::string::npos);
}

TEST_F(RunningUnit, ChecksumFaultsSpoilOnlyTheChecksum) {
    start(Config{});
    sim->setFault(Fault::LowerCaseChecksum);
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|2|0e"));
    sim->setFault(Fault::WrongChecksum);
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|2|0F"));
    sim->setFault(Fault::ChecksumEcho);
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|60"));
}

TEST_F(RunningUnit, LowerCaseFaultFindsALetterForEveryStatusAnswer) {
    start(Config{});
    sim->setFault(Fault::LowerCaseChecksum, -1);
    for (int i = 0; i < 20; ++i) {
        const std::string answer = ask("DSI|");
        ASSERT_EQ(answer.size(), 198u);
        EXPECT_TRUE(hasLowerCaseLetter(answer.substr(195, 2))) << answer;
    }
    sim->clearFault();
    EXPECT_TRUE(devlink::verifyAnswer(ask("DSI|").c_str()));
}

TEST_F(RunningUnit, RawAnswersComeFirstThenFaultsThenTheUnitsOwn) {
    start(Config{});
    sim->setFault(Fault::WrongChecksum, 2);
    sim->queueRawAnswer("first");
    sim->queueRawAnswer(withEnd("second"));
    program->send(devlink::frameRequest("CSN|123456|"));
    EXPECT_EQ(program->read(200), "first");
    EXPECT_EQ(ask("CSN|123456|"), withEnd("second"));
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|2|0F"));
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|2|0F"));
    EXPECT_EQ(ask("CSN|123456|"), withEnd("CSN|2|0E"));
}
