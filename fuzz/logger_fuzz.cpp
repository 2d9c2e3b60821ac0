// The data logger: the whole readout (login, DFL, the DFI blocks, the CSV
// file) and the clearing against a unit that sends anything, in a scratch
// working folder; and single records through the CSV writer and back
// through the reader of the trend chart.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include "devlink/login.h"
#include "measuring/block_transfer.h"
#include "measuring/csv_export.h"
#include "measuring/csv_reader.h"
#include "measuring/logger_clear.h"
#include "measuring/logger_readout.h"
#include "support/files.h"
#include "support/fuzz_check.h"
#include "support/fuzz_measuring_ui.h"
#include "support/fuzz_port.h"
#include "support/scratch_folder.h"

namespace {

std::size_t count(std::string_view text, std::string_view part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// A record the writer puts in a file is what the chart reads back, as long
// as its date and time are real ones.
void checkCsvRoundTrip(const measuring::LoggerRecord& record) {
    const std::string line = measuring::csvLine(record);
    FUZZ_CHECK(
        line.size() >= 2 && line.substr(line.size() - 2) == "\r\n" && fuzzing::lineFeeds(line) == 1,
        "a record is one CSV line");
    FUZZ_CHECK(line.find(',') != std::string::npos && count(line, ",") == 4,
               "a CSV line has five fields whatever the locale");
    const bool realMoment = record.day >= 1 && record.day <= 31 && record.month >= 1 &&
                            record.month <= 12 && record.hour <= 23 && record.minute <= 59 &&
                            record.year <= 99;
    measuring::CsvPoint point;
    const bool read = measuring::parseCsvLine(line.substr(0, line.size() - 2), point);
    if (!realMoment) return;
    FUZZ_CHECK(read, "the chart reads every line the program writes");
    FUZZ_CHECK(point.number == record.number && point.day == record.day &&
                   point.month == record.month && point.hour == record.hour &&
                   point.minute == record.minute && point.year % 100 == record.year,
               "the chart reads back the number, date and time written");
}

// The readout writes into the working folder: the scratch folder while it
// runs, the fuzzer's own folder again afterwards.
struct WorkIn {
    explicit WorkIn(const std::string& folder) {
        if (!getcwd(before, sizeof before) || chdir(folder.c_str()) != 0) std::abort();
    }
    ~WorkIn() {
        if (chdir(before) != 0) std::abort();
    }
    char before[4096];
};

void readOut(const std::string& line, std::uint8_t choice) {
    const std::string& folder = fuzzing::ScratchFolder::fresh();
    const WorkIn workIn(folder);
    fuzzing::FuzzPort port(line, "COM1");
    fuzzing::FuzzMeasuringUi ui;
    ui.answerYes = !(choice & 1);
    ui.stopAfterBlock = (choice >> 1) & 7;
    devlink::DeviceLink link(port, ui, devlink::LinkProfile{"Vantiqo", true});
    devlink::MeasuringLogin login;
    measuring::OperationContext context{link, login, ui};

    if (choice & 0x80) {
        measuring::ClearLogger(context);
        FUZZ_CHECK(ui.status == "BEREIT", "the status field is at rest afterwards");
        FUZZ_CHECK(fuzzing::folderEntries(folder).empty(), "clearing writes no file");
        return;
    }
    const auto written = measuring::ReadOutLogger(context);
    FUZZ_CHECK(ui.status == "BEREIT", "the status field is at rest afterwards");
    FUZZ_CHECK(!ui.progressOpen, "the progress display is closed afterwards");
    const std::size_t blocksAsked = count(port.written, "DFI|");
    // The byte count DFL announced lies between 16 N and 16 N + 15.
    const auto mostBytes = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(ui.announced * measuring::kRecordBytes + 15, 0xFFFFFFFFu));
    FUZZ_CHECK(blocksAsked <= measuring::maxBlocks(mostBytes),
               "no more blocks are asked for than the byte count allows");
    const auto files = fuzzing::folderEntries(folder);
    if (!written) {
        for (const std::string& name : files)
            FUZZ_CHECK(name == "Messdaten Vantiqo 123456", "a readout without a file leaves none");
        return;
    }
    FUZZ_CHECK(files.size() == 2, "one folder and one file, no temporary file left");
    const auto bytes = fuzzing::fileBytes(*written);
    FUZZ_CHECK(bytes.has_value(), "the file named is there");
    const std::size_t lines = fuzzing::lineFeeds(*bytes);
    FUZZ_CHECK(lines >= 1 && lines <= ui.announced, "one line a record, never more than announced");
    FUZZ_CHECK(count(*bytes, "\r\n") == lines && bytes->back() == '\n', "CR LF after every line");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto choice = input.ConsumeIntegral<std::uint8_t>();
    const std::string record = input.ConsumeBytesAsString(measuring::kRecordChars);
    checkCsvRoundTrip(measuring::decodeRecord(record));
    readOut(input.ConsumeRemainingBytesAsString(), choice);
    return 0;
}
