// Status and error lists from the unit's answers, byte for byte: the
// header, one line a record, the code texts and their padding, the counts
// a unit may send, Windows-1252 and CR LF; and the list files' names.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "controller/list_file.h"
#include "controller/unit_commands.h"
#include "devlink/login.h"
#include "files/file_write.h"
#include "history_support.h"
#include "softener/softener_history_codes.h"
#include "temp_folder.h"

using namespace controller;
using namespace softener;
using testsupport::logAnswer;
using testsupport::logData;
using testsupport::LogRecord;

namespace {

// The list file's bytes for a status-history answer, as the window writes them.
std::string statusList(const std::string& answer, bool longForm, bool english = false) {
    const auto history = historyRecords(statusHistoryData(answer), kStatusHistoryLayout,
                                        longForm ? 0 : kShortFormStatusRecords);
    return listFileBytes(listText(kStatusList, history.entries, kSoftenerStatusCodes, english));
}

std::string errorList(const std::string& answer, bool english = false) {
    const auto history = historyRecords(errorHistoryData(answer), kErrorHistoryLayout);
    return listFileBytes(listText(kErrorList, history.entries, kSoftenerErrorCodes, english));
}

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(bytes.substr(from, end - from));
    EXPECT_EQ(from, bytes.size()) << "the last line has no CR LF";
    return lines;
}

// n records numbered by their minute, all regenerations of filter 1.
std::vector<LogRecord> records(int n) {
    std::vector<LogRecord> out;
    for (int i = 0; i < n; ++i) out.push_back({1, 1000.0 * i, 1, 1, 10, 6, i});
    return out;
}

const std::string kGermanStatusHeader =
    "Nr.   Datum      Zeit   Status                         Entnahme\r\n\r\n";

}  // namespace

TEST(StatusList, RecordsWithTheirTextsAndWithdrawals) {
    const std::string answer = logAnswer("DHI|", logData(3,
                                                         {{1, 12345.0, 31, 12, 9, 23, 5},
                                                          {1024, 0.0, 1, 2, 10, 8, 0},
                                                          {3, 29761.0, 28, 2, 10, 2, 30}},
                                                         true));
    EXPECT_EQ(statusList(answer, true),
              kGermanStatusHeader +
                  "  1   31.12.09   23:05  autom. Regeneration Filter 1    012.3\r\n"
                  "  2   01.02.10   08:00  man. Filterwechsel F2 -> F1     000.0\r\n"
                  "  3   28.02.10   02:30  Kein Status...                  029.8\r\n");
    EXPECT_EQ(statusList(answer, true, true),
              "Nr.   Date       Time   Status                         Consumption\r\n\r\n"
              "  1   31.12.09   23:05  autom. regeneration filter 1   012.3\r\n"
              "  2   01.02.10   08:00  man. filter change f2 -> f1    000.0\r\n"
              "  3   28.02.10   02:30  no status...                   029.8\r\n");
}

TEST(StatusList, CountsAreBoundedByTheSlotsAndTheShortForm) {
    EXPECT_EQ(statusList(logAnswer("DHI|", logData(0, records(3), true)), true),
              kGermanStatusHeader);
    struct Case {
        int count;
        bool longForm;
        std::size_t listed;
    };
    for (const Case c : {Case{15, false, 10}, Case{15, true, 15}, Case{21, true, 20},
                         Case{21, false, 10}, Case{255, true, 20}}) {
        const auto lines =
            linesOf(statusList(logAnswer("DHI|", logData(c.count, records(20), true)), c.longForm));
        ASSERT_EQ(lines.size(), 2 + c.listed) << c.count;
        char last[80];
        std::snprintf(last, sizeof last, "%3zu   01.01.10   06:%02zu  ", c.listed, c.listed - 1);
        EXPECT_TRUE(lines.back().starts_with(last)) << lines.back();
    }
}

TEST(StatusList, ShortAnswersNeverReadPastTheirData) {
    // Too short to hold even the count: no record.
    for (const std::string& answer :
         {std::string("DHI|"), devlink::frameRequest("DHI|"), devlink::frameRequest("DHI|05|")})
        EXPECT_EQ(statusList(answer, true), kGermanStatusHeader) << answer;
    // A count of 2 with one record's code only: no record is whole.
    EXPECT_EQ(statusList(logAnswer("DHI|", "02" + devlink::encodeWord32(8)), true),
              kGermanStatusHeader);
}

// The count promises records; only those whose every field the data hold
// are listed, and the cut is told. Records stand in columns, so a short
// answer keeps the first records whole up to where its year column ends.
TEST(HistoryRecords, OnlyRecordsTheDataHoldWholeAreListed) {
    const std::string status = logData(15, records(20), true);
    const std::string errors = logData(20, records(20), false);
    struct Case {
        const char* what;
        std::string data;
        bool statusLog;
        std::size_t limit;
        bool counted;
        std::size_t announced, listed;
        bool cut;
    };
    const Case cases[] = {
        {"whole status log", status, true, 0, true, 15, 15, false},
        {"short form limit", status, true, 10, true, 15, 10, false},
        {"years of nine", status.substr(0, 500), true, 0, true, 15, 9, true},
        {"nine under the limit", status.substr(0, 500), true, 10, true, 15, 9, true},
        {"no year column", status.substr(0, 482), true, 0, true, 15, 0, true},
        {"whole error log", errors, false, 0, true, 20, 20, false},
        {"years of four", errors.substr(0, 330), false, 0, true, 20, 4, true},
        {"an odd digit", errors.substr(0, 331), false, 0, true, 20, 4, true},
        {"count beyond the slots", "FF" + errors.substr(2), false, 0, true, 255, 20, true},
        {"count only", "00", false, 0, true, 0, 0, false},
        {"nothing", "", true, 0, false, 0, 0, false},
        {"half a count", "1", false, 0, false, 0, 0, false},
        {"no digits", "||", false, 0, false, 0, 0, false},
    };
    for (const Case& c : cases) {
        const auto history = historyRecords(
            c.data, c.statusLog ? kStatusHistoryLayout : kErrorHistoryLayout, c.limit);
        EXPECT_EQ(history.counted, c.counted) << c.what;
        EXPECT_EQ(history.announced, c.announced) << c.what;
        EXPECT_EQ(history.entries.size(), c.listed) << c.what;
        EXPECT_EQ(history.cut, c.cut) << c.what;
        if (!history.entries.empty()) {
            EXPECT_EQ(history.entries.back().minute, static_cast<int>(c.listed) - 1) << c.what;
        }
    }
}

TEST(HistoryRecords, TheAnswersClosingCharactersAreNoData) {
    // "DEI|", four records' worth of columns, "|00|", checksum, end byte.
    const std::string shortLog = logData(20, records(20), false).substr(0, 330);
    EXPECT_EQ(errorHistoryData(logAnswer("DEI|", shortLog)), shortLog);
}

TEST(ErrorList, CodesTextsAndCodePage) {
    const std::string answer = logAnswer(
        "DEI|",
        logData(3, {{64, 0, 7, 3, 9, 14, 7}, {3, 0, 31, 12, 9, 23, 59}, {65536, 0, 1, 1, 0, 0, 0}},
                false));
    EXPECT_EQ(errorList(answer),
              "Nr.   Datum      Zeit   Fehler\r\n\r\n"
              "  1   07.03.09   14:07  Sole\xFC"
              "berlauf (Prog2)\r\n"
              "  2   31.12.09   23:59  Kein Fehler\r\n"
              "  3   01.01.00   00:00  SMS Fehler 3\r\n");
    EXPECT_EQ(errorList(answer, true),
              "Nr.   Date       Time   Error\r\n\r\n"
              "  1   07.03.09   14:07  Chemicals/brine overflow (Prog2)\r\n"
              "  2   31.12.09   23:59  no error\r\n"
              "  3   01.01.00   00:00  SMS Error 3\r\n");
}

TEST(ErrorList, ShortAnswerDoesNotTakeItsChecksumForData) {
    // "DEI|01|" with checksum and end byte: a count of 1, but no record.
    EXPECT_EQ(errorList(devlink::frameRequest("DEI|01|")),
              "Nr.   Datum      Zeit   Fehler\r\n\r\n");
    EXPECT_EQ(errorHistoryData(logAnswer("DEI|", logData(20, {}, false))).size(), 362u);
}

TEST(ListFileNames, SerialDateTimeAndCopies) {
    const std::tm at = testsupport::moment(2009, 3, 5, 14, 7, 59);
    EXPECT_EQ(listFolderName(kStatusList, "123456"), "statuslist 123456");
    EXPECT_EQ(listFileName(kStatusList, "123456", at, 0), "statuslist 123456 050309 1407.txt");
    EXPECT_EQ(listFileName(kErrorList, "000042", at, 2), "errorlist 000042 050309 1407_2.txt");
    EXPECT_TRUE(devlink::isSixDigitSerial("012345"));
    for (const char* bad : {"12345", "1234567", "12a456", "../..1", "12 456", ""})
        EXPECT_FALSE(devlink::isSixDigitSerial(bad)) << bad;
}

TEST(ListFileWriting, TakenNamesGetTheNextNumberAndFailuresSayWhere) {
    testsupport::TempFolder base;
    const std::tm at = testsupport::moment(2009, 12, 31, 23, 59);
    const std::string folder = base.path() + "/errorlist 123456/";
    for (int i = 0; i < 3; ++i) {
        const auto outcome =
            writeListFile(base.path(), kErrorList, "123456", at, "list " + std::to_string(i));
        ASSERT_EQ(outcome.result, ListFileOutcome::Written);
    }
    EXPECT_EQ(files::readWholeFile(folder + "errorlist 123456 311209 2359.txt"), "list 0");
    EXPECT_EQ(files::readWholeFile(folder + "errorlist 123456 311209 2359_1.txt"), "list 1");
    EXPECT_EQ(files::readWholeFile(folder + "errorlist 123456 311209 2359_2.txt"), "list 2");

    // The list folder's name is taken by a file: the list cannot be created.
    std::ofstream(base.path() + "/statuslist 123456") << "x";
    auto outcome = writeListFile(base.path(), kStatusList, "123456", at, "list");
    EXPECT_EQ(outcome.result, ListFileOutcome::CreateFailed);
    EXPECT_EQ(outcome.path, base.path() + "/statuslist 123456/statuslist 123456 311209 2359.txt");
    // The base is no folder: the list folder cannot be made.
    outcome = writeListFile(base.path() + "/statuslist 123456", kStatusList, "123456", at, "list");
    EXPECT_EQ(outcome.result, ListFileOutcome::FolderFailed);
    EXPECT_EQ(outcome.error, ENOTDIR);
}

// Writes a list bigger than a file may grow and ends the (child) process
// with 0 when the write was reported as failed.
void writeUnderSizeLimit(const std::string& base) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit small{16, 16};
    setrlimit(RLIMIT_FSIZE, &small);
    const auto outcome = writeListFile(
        base, kErrorList, "123456", testsupport::moment(2009, 1, 2, 3, 4), std::string(4096, 'x'));
    std::exit(outcome.result == ListFileOutcome::CreateFailed ? 0 : 1);
}

TEST(ListFileWritingDeathTest, FailedWriteLeavesNoPartialFile) {
    testsupport::TempFolder base;
    const std::string folder = base.path() + "/errorlist 123456";
    // A full disk, played by a file-size limit in a child process.
    EXPECT_EXIT(writeUnderSizeLimit(base.path()), ::testing::ExitedWithCode(0), "");
    ASSERT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST(ClockTelegram, DateAndTimeOfOneMomentWithoutSeconds) {
    EXPECT_EQ(devlink::frameRequest(clockRequest(testsupport::moment(2009, 12, 31, 23, 59, 59))),
              "STS|3112092359|F5\x04");
    EXPECT_EQ(clockRequest(testsupport::moment(2009, 3, 5, 14, 7)), "STS|0503091407|");
    EXPECT_EQ(clockRequest(testsupport::moment(2000, 1, 1, 0, 0)), "STS|0101000000|");
}
