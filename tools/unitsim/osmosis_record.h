// The reverse-osmosis unit's parameter record: fixed-position hex text, 156
// characters in the short form, 322 in the long form that adds the language
// and the alarm-SMS settings.
#pragma once

#include <cstddef>
#include <string>

namespace unitsim {

inline constexpr std::size_t kOsmosisShortRecord = 156;
inline constexpr std::size_t kOsmosisLongRecord = 322;
inline constexpr std::size_t kOsmosisLanguageOffset = 156;

// A plausible record as a unit leaves the factory.
std::string defaultOsmosisRecord(bool longForm);

}  // namespace unitsim
