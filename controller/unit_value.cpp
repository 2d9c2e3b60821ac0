#include "controller/unit_value.h"

#include <cstdio>

#include "controller/mask_text.h"
#include "controller/record_codec.h"

namespace controller {

const UnitValue* findValue(const UnitValues& values, std::string_view name) {
    for (const UnitValue& value : values)
        if (value.name == name) return &value;
    return nullptr;
}

const UnitValue& valueNamed(const UnitValues& values, std::string_view name) {
    static const UnitValue absent = [] {
        UnitValue value;
        value.present = false;
        return value;
    }();
    const UnitValue* found = findValue(values, name);
    return found ? *found : absent;
}

TwoLanguages bothLanguages(const char* german, const char* english) {
    return {german, english ? english : german};
}

TwoLanguages sameInBoth(std::string text) {
    return {text, text};
}

UnitValue labelledValue(const ValueLabel& label, ValueType type) {
    UnitValue value;
    value.name = label.name;
    value.label = bothLanguages(label.german, label.english);
    value.unit = bothLanguages(label.unit, label.unitEnglish);
    value.type = type;
    return value;
}

namespace {

UnitValue masked(const ValueLabel& label, double number, std::string characters, const char* mask,
                 char placeholder) {
    UnitValue value = labelledValue(label, ValueType::Number);
    value.number = number;
    value.shown = sameInBoth(maskDisplay(mask, characters, placeholder));
    value.characters = std::move(characters);
    return value;
}

}  // namespace

UnitValue maskedFloat(const ValueLabel& label, double number, const char* format, const char* mask,
                      char placeholder) {
    return masked(label, number, maskCharacters(format, number), mask, placeholder);
}

UnitValue maskedInteger(const ValueLabel& label, long number, const char* format, const char* mask,
                        char placeholder) {
    char text[32];
    std::snprintf(text, sizeof text, format, static_cast<int>(number));
    return masked(label, static_cast<double>(number), text, mask, placeholder);
}

UnitValue plainNumber(const ValueLabel& label, double number, std::string shown) {
    UnitValue value = labelledValue(label, ValueType::Number);
    value.number = number;
    value.shown = sameInBoth(std::move(shown));
    return value;
}

UnitValue plainText(const ValueLabel& label, std::string text) {
    UnitValue value = labelledValue(label, ValueType::Text);
    value.shown = sameInBoth(text);
    value.text = std::move(text);
    return value;
}

const char* capacityUnitText(int hardnessUnit) {
    static const char* const kUnits[] = {"m\u00B3\u00B0dH", "m\u00B3\u00B0f", "gCaCO3"};
    return hardnessUnit >= 0 && hardnessUnit <= 2 ? kUnits[hardnessUnit] : "";
}

const char* hardnessUnitText(int hardnessUnit) {
    static const char* const kUnits[] = {"\u00B0dH", "\u00B0f", "ppmCaCO3"};
    return hardnessUnit >= 0 && hardnessUnit <= 2 ? kUnits[hardnessUnit] : "";
}

}  // namespace controller
