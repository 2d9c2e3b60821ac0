// A unit's values as a program without a window hands them on: the status
// area and the parameter record decoded into named values, each with its
// names in both interface languages, its unit and the text the pages show
// for it. The pages and a command-line tool read the same values, so both
// show the same texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace controller {

// A text in both interface languages, UTF-8.
struct TwoLanguages {
    std::string german;
    std::string english;

    const std::string& in(bool english) const { return english ? this->english : german; }
};

enum class ValueType {
    Number,  // number
    Choice,  // choice: the selected button's index (-1: none), text: its option's name
    Flag,    // flag
    Text,    // text (a time of day "hh:mm" too)
};

struct UnitValue {
    // Lower-case ASCII letters, digits and "_": usable on a command line.
    std::string name;
    TwoLanguages label;
    TwoLanguages unit;  // empty when the value has none
    ValueType type = ValueType::Number;
    // Number values; also a flag's 1 or 0, a choice's index and the code
    // behind a plant-status text.
    double number = 0;
    int choice = -1;
    bool flag = false;
    std::string text;                  // Text values; a choice: its option's name
    std::vector<std::string> options;  // Choice: the options' names in index order
    // Exactly what the page shows, literals and placeholders included.
    TwoLanguages shown;
    // Masked fields: the characters the field is handed (the shown text
    // without the mask's literals); a page fills its own field with them.
    std::string characters;
    // False where the unit's state says nothing about the value: the page
    // keeps what it showed before (a plant status without a text).
    bool present = true;
    // A parameter the unit takes back with a write.
    bool settable = false;
    // The parameter page that shows it (1, 2 ...); 0 for a status value.
    int page = 0;
};

using UnitValues = std::vector<UnitValue>;

// The value of that name, or nullptr.
const UnitValue* findValue(const UnitValues& values, std::string_view name);
// The value of that name, or a value that is not present.
const UnitValue& valueNamed(const UnitValues& values, std::string_view name);

// The names and unit a table gives a value (UTF-8; a null English text is
// the German one).
struct ValueLabel {
    const char* name;
    const char* german;
    const char* english;
    const char* unit = "";
    const char* unitEnglish = nullptr;
};

UnitValue labelledValue(const ValueLabel& label, ValueType type);
TwoLanguages bothLanguages(const char* german, const char* english);
TwoLanguages sameInBoth(std::string text);

// A float printed with its format and its decimal point removed, handed to
// a masked field.
UnitValue maskedFloat(const ValueLabel& label, double value, const char* format, const char* mask,
                      char placeholder);
// A whole number printed with its format ("%2i"), handed to a masked field.
UnitValue maskedInteger(const ValueLabel& label, long value, const char* format, const char* mask,
                        char placeholder);
// A number shown as a plain text.
UnitValue plainNumber(const ValueLabel& label, double value, std::string shown);
// A text value, the same in both languages.
UnitValue plainText(const ValueLabel& label, std::string text);

// The unit labels that follow the hardness unit 0 (°dH), 1 (°f) or 2
// (ppmCaCO3): the capacity's and the hardness's; "" for any other unit.
const char* capacityUnitText(int hardnessUnit);
const char* hardnessUnitText(int hardnessUnit);

}  // namespace controller
