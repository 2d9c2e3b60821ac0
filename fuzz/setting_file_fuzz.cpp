// A setting file ("*.stg") of any content, as an operator may pick one to
// import: it is taken only when it holds exactly one set; its values on
// the pages export to a file that holds one line per value, and importing
// that export changes nothing any more.
#include <cstdint>
#include <string_view>

#include "controller/memory_form.h"
#include "controller/setting_file.h"
#include "controller/setting_lines.h"
#include "support/files.h"
#include "support/fuzz_check.h"
#include "support/settings_of_program.h"

namespace {

const controller::SettingsProfile& profile() {
    return fuzzing::settingsOfProgram();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const controller::SettingFile file(profile().values);
    std::size_t found = 0;
    const auto values = file.valuesOf(bytes, &found);
    if (!values) {
        FUZZ_CHECK(found != profile().values.size(), "a file of one set is taken");
        return 0;
    }
    FUZZ_CHECK(values->size() == profile().values.size(), "a taken file holds one line per value");

    controller::MemoryForm pages(profile().values, profile().placeholder);
    controller::applyValueLines(profile().values, *values, pages);
    const std::string exported = file.bytesOf(pages);
    FUZZ_CHECK(fuzzing::lineFeeds(exported) == profile().values.size() + 1,
               "an export is the header and one line per value");
    for (const controller::TextLine& line : controller::linesAfterHeader(exported)) {
        FUZZ_CHECK(line.text.size() <= controller::kMaxLineLength, "no line is longer than 30");
        for (char c : line.text)
            FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F,
                       "no control character in a value line");
    }
    controller::MemoryForm again(profile().values, profile().placeholder);
    controller::applyValueLines(profile().values, *file.valuesOf(exported), again);
    FUZZ_CHECK(file.bytesOf(again) == exported, "importing an export changes nothing");
    return 0;
}
