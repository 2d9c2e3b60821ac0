// The reverse-osmosis unit's parameter record: a fixed-position hexadecimal
// text of 156 characters (short form) or 322 (long form, with the alarm-SMS
// fields). Pages 1 and 2 show the parameters, page 3 the alarm SMS.
#pragma once

#include <cstddef>

#include "controller/record_layout.h"
#include "resources/ids/pln2_ids.h"

namespace osmosis {

inline constexpr std::size_t kShortRecordLength = 156;
inline constexpr std::size_t kLongRecordLength = 322;
// A first DPI answer of this many characters, end byte included, is the long form.
inline constexpr std::size_t kLongAnswerLength = 333;

// Offsets the program and its tests name.
namespace record {
inline constexpr std::size_t kPumpMode = 112;
inline constexpr std::size_t kMetering = 146;
inline constexpr std::size_t kLanguage = 156;  // shown, sent with the long form only
inline constexpr std::size_t kDialNumber = 166;
inline constexpr std::size_t kPrefix = 206;
inline constexpr std::size_t kAccessNumber = 214;
inline constexpr std::size_t kExtraText = 254;
inline constexpr std::size_t kSmsFlags = 314;
}  // namespace record

// The 14 alarm boxes of page 3, bits 0 to 13 of the flags word.
inline constexpr int kAlarmBoxes[14] = {
    pln2::ids::PowerFailureCheck,    pln2::ids::PermeateMaxCheck,
    pln2::ids::PermeateMinCheck,     pln2::ids::TemperatureMaxCheck,
    pln2::ids::PressureMaxCheck,     pln2::ids::LowPressureCheck,
    pln2::ids::ExcessPressureCheck,  pln2::ids::MotorProtectionCheck,
    pln2::ids::ConcentrateFlowCheck, pln2::ids::RangeExceededCheck,
    pln2::ids::TankOverflowCheck,    pln2::ids::QualityFlushTimeCheck,
    pln2::ids::FrostCheck,           pln2::ids::EmergencyProgramCheck};

const controller::RecordLayout& osmosisLayout();

}  // namespace osmosis
