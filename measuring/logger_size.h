// The first step of both data-logger operations: the login with the
// operation's intent and the DFL question how much the logger holds.
#pragma once

#include <cstdint>
#include <optional>

#include "measuring/operation_context.h"

namespace measuring {

struct LoggerSize {
    std::uint32_t bytes = 0;    // as the unit announced it
    std::uint64_t records = 0;  // bytes / 16, never 0
};

// Nothing when the operation must stop: the login failed or grants less
// than `leastResult` (2 reading, 3 reading and writing), DFL failed, or the
// logger is empty ("Messwertspeicher ist leer !"); the reason has been shown.
std::optional<LoggerSize> askLoggerSize(OperationContext& context, devlink::LoginIntent intent,
                                        int leastResult);

}  // namespace measuring
