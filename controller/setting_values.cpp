#include "controller/setting_values.h"

#include <charconv>
#include <optional>

namespace controller {

namespace {

std::string number(long value) {
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

// A line written with "%d": an optional sign and digits; trailing blanks
// are tolerated, anything else makes it no number.
std::optional<long> readNumber(std::string_view line) {
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    if (!line.empty() && line.front() == '+') line.remove_prefix(1);
    long value = 0;
    const auto result = std::from_chars(line.data(), line.data() + line.size(), value);
    if (result.ec != std::errc() || result.ptr != line.data() + line.size()) return std::nullopt;
    return value;
}

// Digits and texts have their field's width; numbers are never cut.
std::size_t lineWidth(const SettingValue& value) {
    const bool field = value.kind == ValueKind::Digits || value.kind == ValueKind::Text;
    return field ? value.width : kMaxLineLength;
}

bool isRadio(const SettingValue& value) {
    return !value.buttons.empty();
}

int radioCode(const SettingValue& value, int index) {
    if (value.codes.empty()) return index;
    if (index < 0 || index >= static_cast<int>(value.codes.size())) return value.noneCode;
    return value.codes[index];
}

// A group with a button for "any other number" takes a line that is no
// number there too: a group left without a button would be saved as -1,
// which that button takes, so the next import would differ from the pages.
int radioIndexOf(const SettingValue& value, std::optional<long> code) {
    const int count = static_cast<int>(value.buttons.size());
    const int other = value.otherButton < count ? value.otherButton : -1;
    if (value.codes.empty())
        return code && *code >= 0 && *code < count ? static_cast<int>(*code) : -1;
    for (int i = 0; code && i < static_cast<int>(value.codes.size()) && i < count; ++i)
        if (value.codes[i] == *code) return i;
    return other;
}

void applyState(const SettingValue& value, std::string_view line, ParameterForm& form) {
    const std::optional<long> code = readNumber(line);
    if (isRadio(value)) {
        form.setRadioIndex(value.page, value.buttons, radioIndexOf(value, code));
        return;
    }
    if (code == 0 || code == 1) form.setChecked(value.page, value.control, *code == 1);
}

void applyFlag(const SettingValue& value, std::string_view line, ParameterForm& form) {
    if (line != "1" && line != "0") return;
    const bool on = line == "1";
    form.setChecked(value.page, value.control, on);
    for (int control : value.enables) form.setEnabled(value.page, control, on);
}

void applyBits(const SettingValue& value, std::string_view line, ParameterForm& form) {
    const std::optional<long> bits = readNumber(line);
    if (!bits || *bits < 0) return;
    for (const auto& [box, bit] : value.bits) form.setChecked(value.page, box, (*bits & bit) != 0);
}

}  // namespace

SettingValue stateValue(int page, int control, const char* factory) {
    SettingValue v;
    v.kind = ValueKind::State;
    v.page = page;
    v.control = control;
    v.factory = factory;
    return v;
}

SettingValue digitsValue(int page, int control, const char* factory) {
    SettingValue v = stateValue(page, control, factory);
    v.kind = ValueKind::Digits;
    v.width = v.factory.size();
    return v;
}

SettingValue textValue(int page, int control, std::size_t width) {
    SettingValue v = stateValue(page, control, "");
    v.kind = ValueKind::Text;
    v.width = width;
    return v;
}

std::string cleanLine(std::string_view value, std::size_t width) {
    std::string line(value.substr(0, width));
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return line;
}

std::string valueLine(const SettingValue& value, const ParameterForm& form) {
    switch (value.kind) {
        case ValueKind::State:
            if (isRadio(value))
                return number(radioCode(value, form.radioIndex(value.page, value.buttons)));
            return form.isChecked(value.page, value.control) ? "1" : "0";
        case ValueKind::Digits:
            return cleanLine(form.maskCharacters(value.page, value.control), value.width);
        case ValueKind::Text:
            return cleanLine(form.text(value.page, value.control), value.width);
        case ValueKind::Flag:
            return form.isChecked(value.page, value.control) ? "1" : "0";
        case ValueKind::Bits: {
            long sum = 0;
            for (const auto& [box, bit] : value.bits)
                if (form.isChecked(value.page, box)) sum |= bit;
            return number(sum);
        }
    }
    return {};
}

void applyValueLine(const SettingValue& value, std::string_view line, ParameterForm& form) {
    const std::string clean = cleanLine(line, lineWidth(value));
    switch (value.kind) {
        case ValueKind::State:
            applyState(value, clean, form);
            break;
        case ValueKind::Digits:
            form.setMaskText(value.page, value.control, clean);
            break;
        case ValueKind::Text:
            form.setText(value.page, value.control, clean);
            break;
        case ValueKind::Flag:
            applyFlag(value, clean, form);
            break;
        case ValueKind::Bits:
            applyBits(value, clean, form);
            break;
    }
}

std::vector<std::string> valueLines(const std::vector<SettingValue>& values,
                                    const ParameterForm& form) {
    std::vector<std::string> lines;
    lines.reserve(values.size());
    for (const SettingValue& value : values) lines.push_back(valueLine(value, form));
    return lines;
}

void applyValueLines(const std::vector<SettingValue>& values, const std::vector<std::string>& lines,
                     ParameterForm& form) {
    for (std::size_t i = 0; i < values.size() && i < lines.size(); ++i)
        applyValueLine(values[i], lines[i], form);
}

}  // namespace controller
