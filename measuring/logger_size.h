// The first step of both data-logger operations: the login with the
// operation's intent and the DFL question how much the logger holds.
#pragma once

#include <cstdint>
#include <optional>

#include "measuring/operation_context.h"

namespace measuring {

struct LoggerSize {
    std::uint32_t bytes = 0;    // as the unit announced it
    std::uint64_t records = 0;  // bytes / 16
};

// When the logger counts as empty. A readout has nothing to fetch without
// one whole record; clearing erases whatever the unit holds, so there only
// a count of 0 is empty.
enum class EmptyLogger { BelowOneRecord, NoBytes };

// Nothing when the operation must stop: the login failed or grants less
// than `leastResult` (2 reading, 3 reading and writing), DFL failed, or the
// logger is empty ("Messwertspeicher ist leer !"); the reason has been shown.
std::optional<LoggerSize> askLoggerSize(OperationContext& context, devlink::LoginIntent intent,
                                        int leastResult, EmptyLogger empty);

}  // namespace measuring
