#include "cli/json_writer.h"

#include <charconv>
#include <cmath>

namespace cli {

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    static const char* const kHex = "0123456789abcdef";
                    out += "\\u00";
                    out += kHex[c >> 4];
                    out += kHex[c & 15];
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) out_ += ',';
        first_.back() = false;
    }
}

void JsonWriter::begin(char bracket) {
    beforeValue();
    out_ += bracket;
    first_.push_back(true);
}

void JsonWriter::end(char bracket) {
    out_ += bracket;
    if (!first_.empty()) first_.pop_back();
}

JsonWriter& JsonWriter::beginObject() {
    begin('{');
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    end('}');
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    begin('[');
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    end(']');
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    beforeValue();
    out_ += jsonString(name);
    out_ += ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::string(std::string_view text) {
    beforeValue();
    out_ += jsonString(text);
    return *this;
}

JsonWriter& JsonWriter::boolean(bool value) {
    beforeValue();
    out_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    out_ += "null";
    return *this;
}

std::string numberText(double value, int decimals) {
    char text[64];
    const auto result = decimals < 0 ? std::to_chars(text, text + sizeof text, value)
                                     : std::to_chars(text, text + sizeof text, value,
                                                     std::chars_format::fixed, decimals);
    std::string written(text, result.ptr);
    // A negative zero reads oddly; it is zero.
    if (!written.empty() && written[0] == '-' &&
        written.find_first_not_of("0.", 1) == std::string::npos)
        written.erase(0, 1);
    return written;
}

JsonWriter& JsonWriter::number(double value, int decimals) {
    if (!std::isfinite(value)) return null();
    beforeValue();
    out_ += numberText(value, decimals);
    return *this;
}

JsonWriter& JsonWriter::integer(long long value) {
    beforeValue();
    out_ += std::to_string(value);
    return *this;
}

}  // namespace cli
