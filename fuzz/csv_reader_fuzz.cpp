// The trend chart's reader of data-logger CSV files, on any file a user
// may open: every line is either a point or counted as skipped, and every
// point is a real moment.
#include <cstdint>
#include <string_view>

#include "measuring/csv_reader.h"
#include "support/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const measuring::CsvContent content = measuring::parseCsv(bytes);
    std::size_t filled = 0;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        filled += line.find_first_not_of(" \t") != std::string_view::npos;
        start = end + 1;
    }
    FUZZ_CHECK(content.points.size() + content.skipped == filled,
               "every line with content is a point or skipped");
    for (const measuring::CsvPoint& p : content.points) {
        FUZZ_CHECK(p.month >= 1 && p.month <= 12 && p.day >= 1 && p.day <= 31 && p.hour >= 0 &&
                       p.hour <= 23 && p.minute >= 0 && p.minute <= 59 && p.year >= 1980 &&
                       p.year <= 2079,
                   "a point is a real moment");
        FUZZ_CHECK(p.value == p.value && p.temperature == p.temperature, "a point has numbers");
    }
    return 0;
}
