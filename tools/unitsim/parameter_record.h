// The softener's parameter record: fixed-position hex text, 240 characters in
// the short form, 404 in the long form that adds the SMS settings.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace unitsim {

inline constexpr std::size_t kShortRecordLength = 240;
inline constexpr std::size_t kLongRecordLength = 404;

// A plausible record as a unit leaves the factory.
std::string defaultParameterRecord(bool longForm);

// Stores a written record: a short record replaces the first 240 characters
// and keeps the rest. False, with the record untouched, for a length the unit
// does not take (a short-form unit takes the short form only).
bool writeParameterRecord(std::string& record, std::string_view written);
// The same for a unit whose forms have these lengths.
bool writeParameterRecord(std::string& record, std::string_view written, std::size_t shortLength,
                          std::size_t longLength);

}  // namespace unitsim
