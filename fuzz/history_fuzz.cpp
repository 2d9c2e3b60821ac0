// The unit's two logs: a status history of one or two DHI answers and an
// error history (DEI) of any shape, decoded and formatted as the list
// file, which is then written into a scratch folder and read back.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <ctime>

#include "controller/history_record.h"
#include "controller/list_file.h"
#include "softener/softener_history_codes.h"
#ifdef AQUENDOR_FUZZ_OSMOSIS
#include "osmosis/osmosis_history_codes.h"
#endif
#include "support/files.h"
#include "support/fuzz_check.h"
#include "support/scratch_folder.h"

namespace {

// The bytes of a list: CR LF after every line and nowhere else, and no
// other control character, so that each record stays one line.
void checkListBytes(std::string_view bytes, std::size_t records) {
    FUZZ_CHECK(fuzzing::lineFeeds(bytes) == 2 + records,
               "a list has its header, a blank line and one line a record");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\r')
            FUZZ_CHECK(i + 1 < bytes.size() && bytes[i + 1] == '\n', "CR only before LF");
        if (c == '\n') FUZZ_CHECK(i > 0 && bytes[i - 1] == '\r', "every line ends in CR LF");
        if (c != '\r' && c != '\n') FUZZ_CHECK(c >= 0x20, "no control character in a list");
    }
    FUZZ_CHECK(bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n",
               "the last line is ended");
}

void listOf(const controller::ListFileKind& kind,
            const std::vector<controller::HistoryEntry>& entries,
            const controller::CodeTable& codes, bool english, bool write) {
    const std::string text = controller::listText(kind, entries, codes, english);
    const std::string bytes = controller::listFileBytes(text);
    checkListBytes(bytes, entries.size());
    if (!write) return;
    std::tm moment{};
    moment.tm_year = 126;
    moment.tm_mon = 11;
    moment.tm_mday = 7;
    const std::string& folder = fuzzing::ScratchFolder::fresh();
    const auto first = controller::writeListFile(folder, kind, "123456", moment, bytes);
    const auto second = controller::writeListFile(folder, kind, "123456", moment, bytes);
    FUZZ_CHECK(first.result == controller::ListFileOutcome::Written &&
                   second.result == controller::ListFileOutcome::Written &&
                   first.path != second.path,
               "every reading gets a new file, never replacing one");
    FUZZ_CHECK(fuzzing::fileBytes(first.path) == bytes && fuzzing::fileBytes(second.path) == bytes,
               "a list file holds exactly its bytes");
}

// Never more entries than the count, the slots, the limit (0: none) or
// the whole records of the data; fewer than the count asks for only when
// the cut is reported.
void checkBounds(const controller::HistoryRecords& history, std::size_t limit) {
    const std::size_t listed = history.entries.size();
    const std::size_t wanted = limit != 0 ? std::min(history.announced, limit) : history.announced;
    FUZZ_CHECK(listed <= controller::kHistorySlots && listed <= wanted && listed <= history.sent,
               "a list holds only counted records the data hold whole");
    FUZZ_CHECK(history.cut == (listed < wanted), "a list cut short of the count says so");
}

// The reverse-osmosis program reads only the error history, with its own codes.
#ifdef AQUENDOR_FUZZ_OSMOSIS
constexpr bool kStatusHistory = false;
const controller::CodeTable& kErrorCodes = osmosis::kOsmosisErrorCodes;
#else
constexpr bool kStatusHistory = true;
const controller::CodeTable& kErrorCodes = softener::kSoftenerErrorCodes;
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto choice = input.ConsumeIntegral<std::uint8_t>();
    const bool english = choice & 1, longForm = choice & 2, write = choice & 4;
    const std::string first = input.ConsumeRandomLengthString(700);
    const std::string second = input.ConsumeRandomLengthString(700);
    const std::string errors = input.ConsumeRemainingBytesAsString();

    // The status history: a second answer follows when the first starts with a blank.
    if (kStatusHistory) {
        std::string data1 = controller::statusHistoryData(first);
        if (!first.empty() && first[0] == ' ') data1 += controller::statusHistoryData(second);
        const auto status =
            controller::historyRecords(data1, controller::kStatusHistoryLayout,
                                       longForm ? 0 : controller::kShortFormStatusRecords);
        checkBounds(status, longForm ? 0 : controller::kShortFormStatusRecords);
        listOf(controller::kStatusList, status.entries, softener::kSoftenerStatusCodes, english,
               write);
    }

    const std::string data2 = controller::errorHistoryData(errors);
    FUZZ_CHECK(data2.size() <= controller::kErrorHistoryChars,
               "error data is at most 362 characters");
    const auto failures = controller::historyRecords(data2, controller::kErrorHistoryLayout);
    checkBounds(failures, 0);
    listOf(controller::kErrorList, failures.entries, kErrorCodes, english, write);
    return 0;
}
