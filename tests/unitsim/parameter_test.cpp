// The softener's parameter record: written with DPS, read back with DPI in
// one or two answers, in the long and the short form.
#include "program_side.h"

using namespace unitsim;
using unitsim_test::RunningUnit;
using unitsim_test::withEnd;

namespace {

Config softener(bool longForm, bool twoParts = false) {
    Config config;
    config.longForm = longForm;
    config.twoPartDpi = twoParts;
    return config;
}

// A record whose every position can be told apart from its neighbours.
std::string patternRecord(std::size_t length, char first = '0') {
    static const char digits[] = "0123456789ABCDEF";
    std::string record;
    for (std::size_t i = 0; i < length; ++i) record.push_back(digits[(i + first) % 16]);
    return record;
}

std::string recordOf(const std::string& dpiAnswer) {
    return dpiAnswer.substr(4, dpiAnswer.size() - 4 - 7);
}

}  // namespace

TEST_F(RunningUnit, LongRecordWrittenIsReadBackIn415Characters) {
    start(softener(true));
    const std::string record = patternRecord(404);
    EXPECT_EQ(ask("DPS|" + record + "|"), withEnd("DPS|CF|68"));
    const std::string answer = ask("DPI|");
    ASSERT_EQ(answer.size(), 415u);
    EXPECT_EQ(answer.substr(0, 4), "DPI|");
    EXPECT_EQ(recordOf(answer), record);
    EXPECT_EQ(answer.substr(408, 4), "|00|");
    EXPECT_TRUE(devlink::verifyAnswer(answer.c_str()));
}

TEST_F(RunningUnit, ShortWriteReplacesTheFirst240CharactersOnly) {
    start(softener(true));
    const std::string tail = sim->parameterRecord().substr(240);
    const std::string head = patternRecord(240, '5');
    EXPECT_EQ(ask("DPS|" + head + "|"), withEnd("DPS|CF|68"));
    EXPECT_EQ(sim->parameterRecord(), head + tail);
    EXPECT_EQ(recordOf(ask("DPI|")), head + tail);
}

TEST_F(RunningUnit, ShortFormUnitTakesTheShortRecordOnly) {
    start(softener(false));
    const std::string record = patternRecord(240);
    EXPECT_EQ(ask("DPS|" + record + "|"), withEnd("DPS|CF|68"));
    EXPECT_EQ(ask("DPS|" + patternRecord(404) + "|"), withEnd("DPS|63"));
    const std::string answer = ask("DPI|");
    EXPECT_EQ(answer.size(), 4u + 240 + 7);
    EXPECT_EQ(recordOf(answer), record);
}

TEST_F(RunningUnit, TwoPartRecordStartsWithABlankAndEndsWithTheSecondHalf) {
    start(softener(false, true));
    const std::string record = patternRecord(240);
    sim->setParameterRecord(record);
    const std::string first = ask("DPI|");
    EXPECT_EQ(first.substr(0, 4), " PI|");
    EXPECT_EQ(recordOf(first), record.substr(0, 120));
    EXPECT_TRUE(devlink::verifyAnswer(first.c_str()));  // the blank is summed too
    const std::string second = ask("DPI|");
    EXPECT_EQ(second.substr(0, 4), "DPI|");
    EXPECT_EQ(recordOf(second), record.substr(120));

    // Another request in between starts the record over.
    ask("DPI|");
    ask("CSN|123456|");
    EXPECT_EQ(ask("DPI|").substr(0, 4), " PI|");
}
