// What a controller program tells the shared settings mechanics: its store
// file, its value list with the factory values and the few texts in which
// the programs differ. Texts are UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "controller/setting_lines.h"
#include "controller/setting_values.h"

namespace controller {

struct SettingsProfile {
    std::string storeFileName;  // "AquendorKSV2.set", beside the configuration file
    std::string factoryGerman = "Werkseinstellung";
    std::string factoryEnglish = "factory setting";
    std::size_t maxSets = 9;
    // The longest name the program's readers take back from its store.
    std::size_t maxNameLength = 30;
    std::vector<SettingValue> values;  // the value lines of one set, in file order
    char placeholder = '_';            // what empty positions of the masked fields show

    // Texts that differ between the programs.
    std::string notFoundEnglish;     // delete: the name is not in the store
    std::string deleteEmptyEnglish;  // delete: no name given
    std::string selectCorrupt;       // apply: the store lacks the selected name

    // A record: the name line and the value lines.
    std::size_t recordLines() const { return values.size() + 1; }
    // Counted after the header: reading this many lines means the store is full.
    std::size_t fullStoreLines() const { return 1 + recordLines() * (maxSets - 1); }
    // The largest setting file: the header and every value line at its
    // longest, with CR LF.
    std::size_t maxSettingFileBytes() const {
        return sizeof kSettingsHeader - 1 + values.size() * (kMaxLineLength + 2);
    }
};

}  // namespace controller
