// The measuring unit: its measured value per variant, the data logger served
// in blocks, clearing, and the faults a program must survive.
#include <unistd.h>

#include "devlink/fields.h"
#include "program_side.h"
#include "tools/unitsim/logger.h"

using namespace unitsim;
using unitsim_test::RunningUnit;
using unitsim_test::withEnd;

namespace {

Config measuringUnit(int variant, std::size_t records = 0) {
    Config config;
    config.kind = UnitKind::Measuring;
    config.variant = variant;
    config.loggerRecords = records;
    return config;
}

std::string dataOf(const std::string& block) {
    return block.substr(4, block.size() - 8);
}

}  // namespace

TEST_F(RunningUnit, MeasuredValueOfEachVariantMovesAndCanLackTheTemperature) {
    start(measuringUnit(1));
    const struct {
        int variant;
        double low, high;
    } ranges[] = {{1, 800, 900},   {2, 6.9, 7.5}, {3, 620, 680},
                  {4, 0.25, 0.45}, {5, 0.1, 0.3}, {6, 0.25, 0.45}};
    for (const auto& range : ranges) {
        sim->setVariant(range.variant);
        const std::string answer = ask("RMV|");
        ASSERT_EQ(answer.size(), 24u + 1 + 3) << range.variant;
        EXPECT_TRUE(devlink::verifyAnswer(answer.c_str()));
        EXPECT_EQ(answer.substr(0, 8), "RMV|0000");
        const double value = devlink::decodeFloat(answer, 8);
        EXPECT_GT(value, range.low);
        EXPECT_LT(value, range.high);
        EXPECT_NEAR(devlink::decodeFloat(answer, 16), 18.5, 1.6);
    }
    const double before = devlink::decodeFloat(ask("RMV|"), 8);
    usleep(300000);
    EXPECT_NE(devlink::decodeFloat(ask("RMV|"), 8), before);

    sim->setTemperatureMissing(true);
    EXPECT_EQ(devlink::decodeFloat(ask("RMV|"), 16), -1.0);
    sim->setVariant(0);  // older software knows no RMV
    EXPECT_EQ(ask("RMV|"), withEnd("RMV|71"));
}

TEST_F(RunningUnit, LoggerComesInBlocksOf504CharactersUntilOneWithoutBlank) {
    start(measuringUnit(2, 300));
    EXPECT_EQ(ask("DFL|"), devlink::frameRequest("DFL|000012C0|"));  // 300 * 16 bytes
    std::string data;
    std::vector<std::string> blocks;
    do {
        blocks.push_back(ask("DFI|"));
        ASSERT_TRUE(devlink::verifyAnswer(blocks.back().c_str()));
        data += dataOf(blocks.back());
    } while (blocks.back()[0] == ' ' && blocks.size() < 30);
    ASSERT_EQ(blocks.size(), 20u);  // 9600 characters: 19 full blocks and 24 more
    for (std::size_t i = 0; i + 1 < blocks.size(); ++i) {
        EXPECT_EQ(blocks[i].size(), 512u);
        EXPECT_EQ(blocks[i].substr(0, 4), " FI|");
    }
    EXPECT_EQ(blocks.back().substr(0, 4), "DFI|");
    EXPECT_EQ(blocks.back().size(), 24u + 8);
    EXPECT_EQ(data, sim->loggerData());

    // The first record: number 1, 1 June 2009 at 00:00.
    EXPECT_EQ(devlink::decodeWord16(data, 0), 1u);
    EXPECT_EQ(data.substr(20, 10), "0000010609");
    // A new DFL starts the readout over.
    ask("DFI|");
    ask("DFL|");
    EXPECT_EQ(dataOf(ask("DFI|")), data.substr(0, 504));
}

TEST_F(RunningUnit, LoggerOf63RecordsEndsWithAFull512CharacterBlock) {
    start(measuringUnit(4, 63));  // 2016 characters: exactly four blocks
    std::vector<std::string> blocks;
    for (int i = 0; i < 4; ++i) blocks.push_back(ask("DFI|"));
    for (const auto& block : blocks) EXPECT_EQ(block.size(), 512u);
    EXPECT_EQ(blocks[2][0], ' ');
    EXPECT_EQ(blocks[3].substr(0, 4), "DFI|");
}

TEST_F(RunningUnit, ClearEmptiesTheLoggerAndFaultsMisstateIt) {
    start(measuringUnit(6, 20));
    EXPECT_EQ(ask("CLM|"), devlink::frameRequest("CLM|00|"));
    EXPECT_EQ(ask("DFL|"), devlink::frameRequest("DFL|00000000|"));
    EXPECT_EQ(ask("DFI|"), devlink::frameRequest("DFI||"));

    sim->fillLogger(5);
    sim->setLoggerAnnouncedBytes(0xFFFFFFFFu);
    EXPECT_EQ(ask("DFL|"), devlink::frameRequest("DFL|FFFFFFFF|"));
    EXPECT_EQ(ask("DFI|").substr(0, 4), "DFI|");  // the data are what they are

    sim->setLoggerAnnouncedBytes(std::nullopt);
    sim->setLoggerEndless(true);
    ask("DFL|");
    for (int i = 0; i < 5; ++i) EXPECT_EQ(ask("DFI|").substr(0, 4), " FI|") << i;
}

TEST(DataLogger, GeneratedRecordsFollowTheClockAndStopAtTheLargestLogger) {
    const LoggerEntry nextDay = generatedEntry(96 + 5, 1);  // 2 June, 01:15
    EXPECT_EQ(nextDay.number, 102);
    EXPECT_EQ(nextDay.day, 2);
    EXPECT_EQ(nextDay.hour, 1);
    EXPECT_EQ(nextDay.minute, 15);
    DataLogger logger;
    logger.fill(70000, 1);
    EXPECT_EQ(logger.recordCount(), 65535u);
}
