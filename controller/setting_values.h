// One value line of a stored parameter set: which page control it comes
// from, how it is written as a line and how a line is put back. The value
// lists themselves (the softener's 87 lines, the reverse-osmosis 61) are
// data of each program; the mechanics here are shared.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controller/parameter_form.h"

namespace controller {

// The longest value line: the readers of the files take no more.
inline constexpr std::size_t kMaxLineLength = 30;

enum class ValueKind {
    State,   // a radio group's button or a check box's state, as a decimal number
    Digits,  // the edit positions of a masked field, placeholders included
    Text,    // a plain field's text (or a combo box's edit text)
    Flag,    // "1" / "0": a check box that also enables other controls
    Bits,    // several check boxes summed as bit values into one number
};

struct SettingValue {
    ValueKind kind = ValueKind::State;
    int page = 0;
    int control = 0;           // the field or box; a radio group's first button
    std::vector<int> buttons;  // radio groups: the buttons in index order
    // Radio groups: the number written for each button (empty: its index);
    // a number that names no button selects `otherButton` (-1: none).
    std::vector<int> codes;
    int otherButton = -1;
    // The number written for a group of codes with no button selected.
    int noneCode = -1;
    std::vector<std::pair<int, int>> bits;  // Bits: (check box, bit value)
    std::vector<int> enables;               // Flag: controls enabled with the box
    std::size_t width = 1;                  // Digits, Text: characters of the field
    std::string factory;                    // the built-in factory setting's line
};

// Builders for the programs' value lists: a check box's state, a masked
// field (as wide as its factory digits) and a plain text field.
SettingValue stateValue(int page, int control, const char* factory);
SettingValue digitsValue(int page, int control, const char* factory);
SettingValue textValue(int page, int control, std::size_t width);

// What a line may hold: control characters (CR, LF, NUL, ...) become blanks
// and the text is cut to width, so that a value always stays one line.
std::string cleanLine(std::string_view value, std::size_t width);

// The line of one value as the pages hold it now (Windows-1252 bytes).
std::string valueLine(const SettingValue& value, const ParameterForm& form);

// Puts one line back onto the pages. A number that names no radio button
// selects none; a check-box state or a flag other than 0 and 1 changes
// nothing.
void applyValueLine(const SettingValue& value, std::string_view line, ParameterForm& form);

// All value lines of a list, in order.
std::vector<std::string> valueLines(const std::vector<SettingValue>& values,
                                    const ParameterForm& form);

// Applies the lines to the pages; the caller has checked that there are
// as many lines as values.
void applyValueLines(const std::vector<SettingValue>& values, const std::vector<std::string>& lines,
                     ParameterForm& form);

}  // namespace controller
