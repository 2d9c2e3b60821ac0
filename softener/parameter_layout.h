// The softener unit's parameter record: a fixed-position hexadecimal text
// of 240 characters (short form) or 404 (long form, with the alarm-SMS
// fields). Every field the pages show, in record order.
#pragma once

#include <cstddef>
#include <vector>

#include "controller/record_layout.h"
#include "resources/ids/ksv2_ids.h"

namespace softener {

inline constexpr std::size_t kShortRecordLength = 240;
inline constexpr std::size_t kLongRecordLength = 404;

// The fields both forms carry, in record order.
const std::vector<controller::ParameterField>& shortFormFields();

// The whole layout the codec works from.
const controller::RecordLayout& softenerLayout();

// Offsets of the alarm-SMS part of the long form.
namespace sms {
inline constexpr std::size_t kDialNumber = 246;    // text 20, page 4 SmsNumberCombo
inline constexpr std::size_t kPrefix = 286;        // text 4, page 4 PrefixEdit
inline constexpr std::size_t kAccessNumber = 294;  // text 20, page 4 AccessNumberLabel
inline constexpr std::size_t kExtraText = 334;     // text 30, page 4 AdditionalTextEdit
inline constexpr std::size_t kFlags = 394;         // word32, page 4 boxes in kFlagBoxes
inline constexpr std::size_t kIntervalOn = 402;    // byte, bit 0: page 1 IntervalActiveCheck
// The alarm boxes for bits 0 to 13; bit 9 has no box (0).
inline constexpr int kFlagBoxes[14] = {ksv2::ids::PowerFailureCheck,
                                       ksv2::ids::ErrorFilter1Check,
                                       ksv2::ids::ErrorFilter2Check,
                                       ksv2::ids::ErrorK33001Check,
                                       ksv2::ids::ErrorK33002Check,
                                       ksv2::ids::SmsChemicalsLowCheck,
                                       ksv2::ids::SmsChemicalsOverflowCheck,
                                       ksv2::ids::RegStopCheck,
                                       ksv2::ids::ErrorDisinfectionCheck,
                                       0,
                                       ksv2::ids::MinPauseCheck,
                                       ksv2::ids::MaxRegenerationCheck,
                                       ksv2::ids::PlantOverrideCheck,
                                       ksv2::ids::ErrorHardnessCheck};
}  // namespace sms

}  // namespace softener
