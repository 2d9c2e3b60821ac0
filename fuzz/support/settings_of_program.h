// The settings of the program a target is built for: the softener program,
// or the reverse-osmosis program when AQUENDOR_FUZZ_OSMOSIS is defined (the
// same target source is built once for each).
#pragma once

#include <cctype>
#include <string>

#ifdef AQUENDOR_FUZZ_OSMOSIS
#include "osmosis/osmosis_settings.h"
#else
#include "softener/softener_settings.h"
#endif

namespace fuzzing {

inline const controller::SettingsProfile& settingsOfProgram() {
#ifdef AQUENDOR_FUZZ_OSMOSIS
    static const controller::SettingsProfile settings = osmosis::osmosisSettingsProfile();
#else
    static const controller::SettingsProfile settings = softener::softenerSettingsProfile();
#endif
    return settings;
}

// The store's name as another program may spell it: the name in lower case,
// the extension in upper case. Both name the one store.
inline std::string otherSpelling(const std::string& name) {
    std::string spelled = name;
    const std::size_t dot = spelled.rfind('.');
    for (std::size_t i = 0; i < spelled.size(); ++i) {
        const auto c = static_cast<unsigned char>(spelled[i]);
        spelled[i] = static_cast<char>(i > dot ? std::toupper(c) : std::tolower(c));
    }
    return spelled;
}

}  // namespace fuzzing
