#include "controller/status_fields.h"

#include <cstdio>

#include "devlink/fields.h"

namespace controller {

namespace {

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return std::string(text, 2);
}

}  // namespace

std::string lastAccessText(std::string_view area, std::size_t hourOffset) {
    const auto part = [&](std::size_t offset) {
        return twoDigits(devlink::decodeByte(area, hourOffset + offset));
    };
    return part(6) + "." + part(8) + "." + part(10) + " " + part(0) + ":" + part(2);
}

LampBits lampBits(int functions, int inputs, int outputs) {
    LampBits lamps{};
    for (int i = 0; i < 8; ++i) {
        lamps[static_cast<std::size_t>(i)] = (functions >> i) & 1;
        lamps[static_cast<std::size_t>(8 + i)] = (inputs >> i) & 1;
        lamps[static_cast<std::size_t>(16 + i)] = (outputs >> (7 - i)) & 1;
    }
    return lamps;
}

}  // namespace controller
