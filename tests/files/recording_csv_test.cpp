// The recordings' CSV: numbers with a point at the shown precision in any
// locale, fields that cannot break a line, file names from the serial
// number and the start, and a file read back line by line, skipping what
// is no reading and never guessing.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "files/recording_csv.h"
#include "files/recording_file.h"
#include "temp_folder.h"

using namespace files;

TEST(RecordingCsv, NumbersHaveAPointAtTheirPrecision) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    } const cases[] = {
        {8.3999996185302734, 1, "8.4"},  // a float as the unit sends 8.4
        {250.0, 0, "250"},
        {-0.04, 1, "0.0"},  // no "-0.0"
        {-12.345, 2, "-12.35"},
        {1e6, 3, "1000000.000"},
        {std::nan(""), 1, ""},
        {INFINITY, 1, ""},
    };
    // A German desktop's C library would print "8,4".
    const char* before = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    for (const Case& c : cases) EXPECT_EQ(recordingNumber(c.value, c.decimals), c.text) << c.value;
    if (before) std::setlocale(LC_NUMERIC, "C");
}

TEST(RecordingCsv, HeaderAndLinesAreWindowsTextWithCrLfAndNoStrayFields) {
    EXPECT_EQ(recordingHeader({"Restkapazit\u00E4t [m\u00B3\u00B0dH]", "a;b\nc"}, false),
              "Datum;Uhrzeit;Restkapazit\xE4t [m\xB3\xB0"
              "dH];a b c\r\n");
    EXPECT_EQ(recordingHeader({"x"}, true), "date;time;x\r\n");
    EXPECT_EQ(recordingLine({2026, 1, 2, 3, 4, 5}, {"8.4", "", "F1 Betrieb;\r"}),
              "02.01.2026;03:04:05;8.4;;F1 Betrieb  \r\n");
}

TEST(RecordingCsv, ReadBackLineByLine) {
    const std::string file =
        "Datum;Uhrzeit;Wert [\xB5S/cm];Lampe\r\n"
        "07.12.2026;23:59:45;12.5;1\r\n"
        "08.12.2026;00:00:00;;0\n"       // LF alone, an empty value
        "08.12.2026;00:00:15;8,4;1\r\n"  // a comma is no number here
        "\r\n"                           // empty lines count for nothing
        "08.12.2026;00:00:30;1\r\n"      // a field missing
        "31.02.2026;25:00:00;1;1\r\n"    // no such time
        "8.12.2026;00:00:45;1;1\r\n"     // the date's digits
        "08.12.2026;00:01:00;-3.5;0";    // a last line without its end
    const RecordingContent content = parseRecording(file);
    ASSERT_EQ(content.columns, (std::vector<std::string>{"Wert [\u00B5S/cm]", "Lampe"}));
    ASSERT_EQ(content.rows.size(), 4u);
    EXPECT_EQ(content.skipped, 3u);
    EXPECT_EQ(content.rows[0].time, (WallTime{2026, 12, 7, 23, 59, 45}));
    EXPECT_EQ(content.rows[0].values, (std::vector<double>{12.5, 1}));
    EXPECT_TRUE(std::isnan(content.rows[1].values[0]));
    EXPECT_TRUE(std::isnan(content.rows[2].values[0]));
    EXPECT_EQ(content.rows[3].values, (std::vector<double>{-3.5, 0}));
    EXPECT_TRUE(parseRecording("").rows.empty());
}

TEST(RecordingFile, NamedBySerialAndStartOnlyForSixDigits) {
    testsupport::TempFolder start;
    const WallTime at{2026, 12, 7, 14, 30, 59};
    const NewRecording first =
        createRecordingFile(start.path(), "statusrecord", "123456", at, "h\r\n");
    const NewRecording second =
        createRecordingFile(start.path(), "statusrecord", "123456", at, "h\r\n");
    ASSERT_TRUE(first.created);
    ASSERT_TRUE(second.created);
    const std::string folder = start.path() + "/statusrecord 123456/";
    EXPECT_EQ(first.path, folder + "statusrecord 123456 071226 1430.csv");
    EXPECT_EQ(second.path, folder + "statusrecord 123456 071226 1430_1.csv");
    EXPECT_TRUE(appendRecordingLine(first.path, "l\r\n"));
    std::ifstream in(first.path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "h\r\nl\r\n");
    for (const char* serial : {"12345", "1234567", "../123", "12345a"})
        EXPECT_FALSE(createRecordingFile(start.path(), "statusrecord", serial, at, "h").created)
            << serial;
    // A recording that went away is not made again by an append.
    std::filesystem::remove(second.path);
    EXPECT_FALSE(appendRecordingLine(second.path, "l\r\n"));
    EXPECT_FALSE(std::filesystem::exists(second.path));
}
