#include "cli/value_output.h"

namespace cli {

using controller::UnitValue;
using controller::ValueType;

int shownDecimals(const UnitValue& value) {
    const std::string& shown = value.shown.german;
    const std::size_t separator = shown.find_first_of(",.");
    if (separator == std::string::npos) return 0;
    int decimals = 0;
    for (std::size_t i = separator + 1; i < shown.size(); ++i)
        if ((shown[i] >= '0' && shown[i] <= '9') || shown[i] == '_' || shown[i] == ' ') ++decimals;
    return decimals;
}

const char* typeName(ValueType type) {
    switch (type) {
        case ValueType::Number:
            return "number";
        case ValueType::Choice:
            return "choice";
        case ValueType::Flag:
            return "flag";
        case ValueType::Text:
            return "text";
    }
    return "";
}

void jsonValue(JsonWriter& json, const UnitValue& value, bool english) {
    if (!value.present) {
        json.null();
        return;
    }
    switch (value.type) {
        case ValueType::Number:
            json.number(value.number, shownDecimals(value));
            return;
        case ValueType::Choice:
            if (value.choice < 0)
                json.null();
            else
                json.string(value.text);
            return;
        case ValueType::Flag:
            json.boolean(value.flag);
            return;
        case ValueType::Text:
            json.string(value.shown.in(english));
            return;
    }
}

void beginValueObject(JsonWriter& json, const UnitValue& value, bool english) {
    json.beginObject();
    json.field("name", value.name);
    json.field("label", value.label.in(english));
    json.field("type", typeName(value.type));
    json.key("value");
    jsonValue(json, value, english);
    json.field("unit", value.unit.in(english));
    json.field("shown", value.present ? value.shown.in(english) : "");
    if (value.type == ValueType::Choice) {
        json.key("options").beginArray();
        for (const std::string& option : value.options) json.string(option);
        json.endArray();
    }
}

std::size_t characters(const std::string& utf8) {
    std::size_t count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

std::string padded(const std::string& utf8, std::size_t width) {
    const std::size_t have = characters(utf8);
    return have >= width ? utf8 : utf8 + std::string(width - have, ' ');
}

std::string valueLine(const UnitValue& value, bool english, std::size_t labelWidth) {
    std::string shown = value.present ? value.shown.in(english) : "-";
    if (value.type == ValueType::Choice && value.present && value.choice < 0) shown = "-";
    const std::string& unit = value.unit.in(english);
    std::string line = padded(value.label.in(english), labelWidth) + "  " + shown +
                       (unit.empty() ? "" : " " + unit);
    line.erase(line.find_last_not_of(' ') + 1);
    return line + "\n";
}

}  // namespace cli
