// What the reverse-osmosis program keeps of a parameter set in its named
// settings ("aquendorPLN2.set") and in setting files (*.stg): 61 value lines
// in a fixed order, each tied to a control of the parameter pages, with the
// value of the built-in factory setting. The store and the files
// themselves are the mechanics both controller programs share; this is the
// program's data for them.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace osmosis {

enum class SettingKind {
    State,   // a radio group's button or a check box's state, as a decimal number
    Digits,  // the edit positions of a masked field, without its literals
    Text,    // a plain field's text, or a combo box's edit text
    Flag,    // "1" / "0"
    Bits,    // several check boxes summed as bit values into one number
};

struct SettingLine {
    int line;  // 1 ... 61, the line of the value within a set
    SettingKind kind;
    int page;                  // 1 to 3
    int control;               // the field or box; a radio group's first button
    std::vector<int> buttons;  // radio groups: the buttons in index order
    // Radio groups: the number written for each button (empty: its index);
    // a number that names no button selects `otherButton` (-1: none).
    std::vector<int> codes;
    int otherButton;
    std::vector<std::pair<int, int>> bits;  // Bits: (check box, bit value)
    std::size_t width;                      // Digits, Text: characters of the field
    const char* factory;                    // the line of the factory setting
};

inline constexpr std::size_t kSettingValueCount = 61;

// The 61 value lines in file order.
const std::vector<SettingLine>& settingLines();

// The store and what differs in its texts from the other program's.
struct SettingsStoreTexts {
    const char* storeFileName;  // in the start folder
    std::size_t maxSets;
    std::size_t pieceLength;  // a line is read in pieces of at most this many characters
    const char* notFoundEnglish;
    const char* deleteEmptyEnglish;
    const char* selectCorrupt;  // the selected name is not in the store: the program ends
};

const SettingsStoreTexts& settingsStoreTexts();

}  // namespace osmosis
