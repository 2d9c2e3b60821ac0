// "lesen" of the "Datenlogger" group: the logger's size, the question with
// the time estimate, the blocks with a progress display, and the CSV file in
// the unit's folder, after which the operator may have the folder shown.
#pragma once

#include <optional>
#include <string>

#include "measuring/operation_context.h"

namespace measuring {

// The readout estimate of the question: 0.45 s for each block after the
// first, plus a second, cut to whole seconds.
std::uint64_t estimatedSeconds(std::uint64_t records);

// The path of the written file, or nothing when none was written.
std::optional<std::string> ReadOutLogger(OperationContext& context);

// A readout up to the file: what the CSV file holds and how it compares
// with what the unit announced.
struct LoggerContent {
    std::string csv;  // the file's bytes
    std::uint64_t written = 0;
    std::uint64_t announced = 0;
    // The unit sent more records or blocks than it announced; the announced
    // ones are kept.
    bool sentMore = false;
};

// The logger's size, the question with the time estimate, the blocks with
// the progress display and the file's content, as the readout fetches them
// before it writes its file; nothing when it must stop (the reason has been
// shown). Leaves the status field to the caller.
std::optional<LoggerContent> FetchLoggerContent(OperationContext& context);

// What the saved message adds when the unit did not send what it announced
// (each note on a line of its own, a line break first); empty otherwise.
std::string deviationNote(const LoggerContent& content);

}  // namespace measuring
