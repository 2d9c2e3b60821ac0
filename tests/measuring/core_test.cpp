// The measuring program's logic without a window: measured-value texts,
// record decoding, the CSV line and file name, the readout estimate and the
// reading of CSV files for the chart. Numbers never follow the C locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

#include "devlink/fields.h"
#include "devlink/telegram.h"
#include "measuring/csv_export.h"
#include "measuring/csv_reader.h"
#include "measuring/logger_record.h"
#include "measuring/measured_value.h"

using namespace measuring;

namespace {

std::string rmv(double value, double temperature) {
    return devlink::frameRequest("RMV|0000" + devlink::encodeFloat(value) +
                                 devlink::encodeFloat(temperature) + "|");
}

std::string textFor(char variant, double value, double temperature) {
    return measuredValueText(variant, *decodeMeasuredValue(rmv(value, temperature)));
}

std::string record(unsigned number, double value, double temperature, int h, int mi, int d, int mo,
                   int y) {
    return devlink::encodeWord16(number) + devlink::encodeFloat(value) +
           devlink::encodeFloat(temperature) + devlink::encodeByte(h) + devlink::encodeByte(mi) +
           devlink::encodeByte(d) + devlink::encodeByte(mo) + devlink::encodeByte(y) + "00";
}

// The line as the C library's printf writes it in the "C" locale.
std::string printfLine(const LoggerRecord& r) {
    char line[512];
    std::snprintf(line, sizeof line,
                  "%5.5u  ,  %010.2f  ,  %3.1f  ,  %02d.%02d.%02d , %02d:%02d\r\n", r.number,
                  r.value, r.temperature, r.day, r.month, r.year, r.hour, r.minute);
    return line;
}

// A German numeric locale for the duration of a test, when the machine has one.
struct GermanNumbers {
    GermanNumbers() { active = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr; }
    ~GermanNumbers() { std::setlocale(LC_NUMERIC, "C"); }
    bool active;
};

}  // namespace

TEST(MeasuredValue, TextsOfEachVariantWithTheirEdgeCases) {
    GermanNumbers german;
    EXPECT_EQ(textFor('2', 7.234, 21.46), "pH 07.23 T= 21.5 \u00B0C");
    EXPECT_EQ(textFor('4', 0.35, -1.0), "00.3 mg/l T= --.- \u00B0C");
    EXPECT_EQ(textFor('5', 0.35, -1.0), "00.3 mg/l T= --.- \u00B0C");
    EXPECT_EQ(textFor('6', 12.25, 8.0), "12.2 mg/l T=  8.0 \u00B0C");
    EXPECT_EQ(textFor('1', 1234.5, 20.0), "01234.5 \u00B5S/cm T= 20.0 \u00B0C");
    EXPECT_EQ(textFor('3', -250.0, 19.96), "-0250.0 mV T= 20.0 \u00B0C");
    // "00000000" is 0 in every format.
    EXPECT_EQ(textFor('1', 0.0, 0.0), "00000.0 \u00B5S/cm T=  0.0 \u00B0C");
    EXPECT_EQ(textFor('2', 0.0, 0.0), "pH 00.00 T=  0.0 \u00B0C");
    EXPECT_EQ(textFor('4', 0.0, -1.5), "00.0 mg/l T= -1.5 \u00B0C");
    EXPECT_EQ(textFor('9', 7.0, 20.0), "00007.0 T= 20.0 \u00B0C");
}

TEST(MeasuredValue, AnswersTooShortForTheirFieldsGiveNothing) {
    EXPECT_FALSE(decodeMeasuredValue(devlink::frameRequest("RMV|")));
    // 23 characters before the checksum: the temperature lacks a digit.
    EXPECT_FALSE(decodeMeasuredValue(devlink::frameRequest("RMV|00003F80000041A0000")));
    const auto exact = decodeMeasuredValue(devlink::frameRequest("RMV|00003F80000041A00000"));
    ASSERT_TRUE(exact);
    EXPECT_EQ(exact->value, 1.0);
    EXPECT_EQ(exact->temperature, 20.0);
}

TEST(LoggerRecords, ByteCountAndBlockDataNeverReachPastTheAnswer) {
    EXPECT_EQ(decodeByteCount(devlink::frameRequest("DFL|000012C0|")), 4800u);
    EXPECT_EQ(decodeByteCount(devlink::frameRequest("DFL|FFFFFFFF|")), 0xFFFFFFFFu);
    // Short answers: the checksum is no digit of the count, missing ones read 0.
    EXPECT_EQ(decodeByteCount(devlink::frameRequest("DFL|12")), 0x12000000u);
    EXPECT_EQ(decodeByteCount(devlink::frameRequest("DFL|")), 0u);
    EXPECT_EQ(decodeByteCount("D"), 0u);

    EXPECT_EQ(blockData(devlink::frameRequest("DFI|ABCD|")), "ABCD");
    EXPECT_EQ(blockData(devlink::frameRequest(" FI||")), "");
    EXPECT_EQ(blockData("DFI|12\x04"), "");
}

TEST(LoggerRecords, CollectorJoinsRecordsSplitBetweenBlocksAndKeepsOnlyWholeOnes) {
    const std::string a = record(1, 1.25, 20.5, 14, 7, 3, 6, 9);
    const std::string b = record(2, -3.5, -1.0, 23, 59, 31, 12, 99);
    RecordCollector collector(10);
    collector.add(a.substr(0, 20));
    collector.add(a.substr(20) + b.substr(0, 31));
    ASSERT_EQ(collector.records().size(), 1u);
    collector.add(b.substr(31) + "0123");  // and a few characters of no record
    ASSERT_EQ(collector.records().size(), 2u);
    EXPECT_EQ(collector.received(), 2u);
    const LoggerRecord& second = collector.records()[1];
    EXPECT_EQ(second.number, 2);
    EXPECT_EQ(second.value, -3.5);
    EXPECT_EQ(second.temperature, -1.0);
    EXPECT_EQ(second.day, 31);
    EXPECT_EQ(second.year, 99);

    RecordCollector limited(1);
    limited.add(a + b);
    EXPECT_EQ(limited.records().size(), 1u);
    EXPECT_EQ(limited.received(), 2u);
}

TEST(CsvExport, LinesAreThePrintfFormatByteForByteInAnyLocale) {
    GermanNumbers german;
    RecordCollector collector(100);
    collector.add(record(17, 1.25, 20.5, 14, 7, 3, 6, 9));
    EXPECT_EQ(csvLine(collector.records()[0]),
              "00017  ,  0000001.25  ,  20.5  ,  03.06.09 , 14:07\r\n");
    const double values[] = {0.0,        -1.0, 0.005, 0.015, 123456.789, -0.125,
                             99999999.5, 1e12, -7.25, 1e-30, 65535.999,  0.35};
    for (unsigned i = 0; i < std::size(values); ++i)
        collector.add(record(65535 - i, values[i], values[(i + 3) % std::size(values)], i % 24,
                             59 - i, 255 - i, 12, i));
    std::setlocale(LC_NUMERIC, "C");  // the reference: the C library's own formatting
    for (const LoggerRecord& r : collector.records()) EXPECT_EQ(csvLine(r), printfLine(r));
    const std::string text = csvText(collector.records(), 2);
    EXPECT_EQ(text, printfLine(collector.records()[0]) + printfLine(collector.records()[1]));
}

TEST(CsvReader, ReadsItsOwnLinesSkipsAndCountsTheRest) {
    const std::string file =
        "00001  ,  0000001.25  ,  20.5  ,  03.06.09 , 14:07\r\n"
        "00002  ,  -000003.50  ,  -1.0  ,  03.06.09 , 14:22\r\n"
        "\r\n"
        "garbage line\r\n"
        "00003  ,  0000001.00  ,  20.5  ,  32.13.09 , 14:37\r\n"
        "00004  ,  0000001,00  ,  20,5  ,  03.06.09 , 14:52\r\n"
        "00005  ,  0000002.00  ,  19.0  ,  03.06.09 , 15:07\n"
        "00006  ,  0000002.00  ,  19.0  ,  03.06.09 , 15:22";
    const CsvContent content = parseCsv(file);
    ASSERT_EQ(content.points.size(), 4u);
    EXPECT_EQ(content.skipped, 3u);
    EXPECT_EQ(content.points[1].value, -3.5);
    EXPECT_EQ(content.points[1].temperature, -1.0);
    EXPECT_EQ(content.points[0].year, 2009);
    EXPECT_EQ(content.points[0].minute, 7);
    EXPECT_EQ(content.points[3].number, 6u);
}

TEST(CsvReader, DatesThatDoNotExistAreSkippedAndCounted) {
    const struct {
        const char* date;
        const char* time;
        bool read;
    } cases[] = {
        {"31.02.09", "12:00", false}, {"30.02.00", "12:00", false}, {"29.02.09", "12:00", false},
        {"31.04.09", "12:00", false}, {"31.06.09", "12:00", false}, {"31.11.09", "12:00", false},
        {"00.06.09", "12:00", false}, {"03.00.09", "12:00", false}, {"03.06.09", "24:00", false},
        {"03.06.09", "12:60", false}, {"29.02.08", "12:00", true},  {"29.02.00", "12:00", true},
        {"31.12.99", "23:59", true},  {"30.04.09", "00:00", true},  {"31.01.09", "12:00", true},
    };
    for (const auto& c : cases) {
        const std::string line =
            std::string("00001  ,  0000001.25  ,  20.5  ,  ") + c.date + " , " + c.time + "\r\n";
        const CsvContent content = parseCsv(line);
        EXPECT_EQ(content.points.size(), c.read ? 1u : 0u) << c.date << " " << c.time;
        EXPECT_EQ(content.skipped, c.read ? 0u : 1u) << c.date << " " << c.time;
    }
}
