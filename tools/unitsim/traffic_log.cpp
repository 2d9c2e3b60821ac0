#include "tools/unitsim/traffic_log.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "devlink/telegram.h"

namespace unitsim {

namespace {

std::string timestamp() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch());
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", local.tm_hour, local.tm_min,
                  local.tm_sec, static_cast<int>(ms.count() % 1000));
    return text;
}

}  // namespace

std::string printable(const std::string& bytes) {
    std::string text;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (byte == devlink::kEndByte) {
            text += "<EOT>";
        } else if (code < 0x20 || code > 0x7E) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "<%02X>", code);
            text += hex;
        } else {
            text.push_back(byte);
        }
    }
    return text;
}

void TrafficLog::telegram(Direction direction, const std::string& bytes) {
    const char* arrow = direction == Direction::Received ? "<- " : "-> ";
    line(arrow + printable(bytes));
}

void TrafficLog::line(const std::string& text) {
    std::lock_guard lock(mutex_);
    out_ << timestamp() << ' ' << text << std::endl;
}

}  // namespace unitsim
