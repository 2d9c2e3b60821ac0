// Status areas and parameter records for the value tests, built field by
// field as a unit would send them.
#pragma once

#include <string>

#include "controller/record_layout.h"
#include "controller/unit_record.h"
#include "devlink/fields.h"

namespace valuetests {

inline std::string zeroArea(std::size_t length) {
    return std::string(length, '0');
}

inline void putFloat(std::string& text, std::size_t offset, double value) {
    devlink::putField(text, offset, devlink::encodeFloat(static_cast<float>(value)));
}

inline void putByte(std::string& text, std::size_t offset, unsigned value) {
    devlink::putField(text, offset, devlink::encodeByte(value));
}

// A record as the unit's first DPI answer brings it: the long form comes
// in an answer of the long form's length.
inline controller::UnitRecord unitRecord(const controller::RecordLayout& layout, std::string text,
                                         bool longForm) {
    controller::UnitRecord record(layout.form);
    const std::size_t cut = layout.form.firstAnswerCut;
    if (longForm) text.resize(layout.form.longAnswerLength - 4 - cut, '0');
    record.takeFirstAnswer("DPI|" + text + std::string(cut, '|'));
    return record;
}

}  // namespace valuetests
