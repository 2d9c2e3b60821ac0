// The softener unit's parameter record: a fixed-position hexadecimal text
// of 240 characters (short form) or 404 (long form, with the alarm-SMS
// fields). Every field the pages show, in record order.
#pragma once

#include <cstddef>
#include <vector>

#include "controller/record_layout.h"

namespace softener {

inline constexpr std::size_t kShortRecordLength = 240;
inline constexpr std::size_t kLongRecordLength = 404;

// The fields both forms carry, in record order.
const std::vector<controller::ParameterField>& shortFormFields();

// The whole layout the codec works from.
const controller::RecordLayout& softenerLayout();

// Offsets of the alarm-SMS part of the long form.
namespace sms {
inline constexpr std::size_t kDialNumber = 246;    // text 20, page 4 combo 1034
inline constexpr std::size_t kPrefix = 286;        // text 4, page 4 edit 1318
inline constexpr std::size_t kAccessNumber = 294;  // text 20, page 4 label 1319
inline constexpr std::size_t kExtraText = 334;     // text 30, page 4 edit 1291
inline constexpr std::size_t kFlags = 394;         // word32, page 4 boxes 1299 to 1311
inline constexpr std::size_t kIntervalOn = 402;    // byte, bit 0: page 1 box 1156
// The alarm boxes for bits 0 to 13; bit 9 has no box (0).
inline constexpr int kFlagBoxes[14] = {1299, 1300, 1301, 1302, 1303, 1304, 1305,
                                       1306, 1307, 0,    1308, 1309, 1310, 1311};
}  // namespace sms

}  // namespace softener
