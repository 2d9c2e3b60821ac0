// Which positions of a controller's parameter record some page shows, so
// that a target can check every other position goes back to the unit as
// it came; and the value lines an operator's edits arrive as.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "controller/record_layout.h"

namespace fuzzing {

inline std::size_t fieldWidth(controller::FieldKind kind) {
    switch (kind) {
        case controller::FieldKind::Float:
            return 8;
        case controller::FieldKind::Word16:
        case controller::FieldKind::Time:
            return 4;
        default:
            return 2;
    }
}

// The layout's fields and, for the long form, its alarm-SMS texts and flags.
inline std::vector<bool> shownPositions(const controller::RecordLayout& layout, std::size_t length,
                                        bool longForm) {
    std::vector<bool> shown(length, false);
    const auto mark = [&](std::size_t offset, std::size_t width) {
        for (std::size_t i = offset; i < offset + width && i < length; ++i) shown[i] = true;
    };
    for (const controller::ParameterField& field : layout.fields)
        mark(field.offset, fieldWidth(field.kind));
    if (longForm) {
        mark(layout.sms.dialNumber, 40);
        mark(layout.sms.prefix, 8);
        mark(layout.sms.accessNumber, 40);
        mark(layout.sms.extraText, 60);
        mark(layout.sms.flags, 8);
    }
    return shown;
}

// Text split at its line feeds, every piece one line.
inline std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace fuzzing
