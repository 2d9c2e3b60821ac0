// A JSON reader for tests that check the tool's --json output against its
// documented shape: the whole text must be one valid JSON value.
#pragma once

#include <cctype>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

struct JsonValue {
    enum Type { Null, Bool, Number, String, Array, Object };
    Type type = Null;
    bool flag = false;
    double number = 0;
    std::string text;  // a string, or a number as written
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> fields;
    std::vector<std::string> order;  // the object's keys as written

    const JsonValue& operator[](const std::string& key) const {
        static const JsonValue missing;
        const auto found = fields.find(key);
        return found == fields.end() ? missing : found->second;
    }
    bool has(const std::string& key) const { return fields.count(key) != 0; }
};

class JsonReader {
  public:
    explicit JsonReader(std::string_view text) : s_(text) {}

    std::optional<JsonValue> read() {
        JsonValue value;
        if (!parse(value)) return std::nullopt;
        skip();
        if (at_ != s_.size()) return std::nullopt;
        return value;
    }

  private:
    void skip() {
        while (at_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[at_]))) ++at_;
    }
    bool literal(std::string_view word) {
        if (s_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }
    bool parse(JsonValue& v) {
        skip();
        if (at_ >= s_.size()) return false;
        const char c = s_[at_];
        if (c == '{') return object(v);
        if (c == '[') return array(v);
        if (c == '"') return v.type = JsonValue::String, string(v.text);
        if (literal("true")) return v.type = JsonValue::Bool, v.flag = true, true;
        if (literal("false")) return v.type = JsonValue::Bool, true;
        if (literal("null")) return true;
        return number(v);
    }
    bool number(JsonValue& v) {
        const std::size_t start = at_;
        if (at_ < s_.size() && s_[at_] == '-') ++at_;
        while (at_ < s_.size() &&
               (std::isdigit(static_cast<unsigned char>(s_[at_])) || s_[at_] == '.' ||
                s_[at_] == 'e' || s_[at_] == 'E' || s_[at_] == '+' || s_[at_] == '-'))
            ++at_;
        v.text = std::string(s_.substr(start, at_ - start));
        if (v.text.empty() || v.text == "-") return false;
        v.type = JsonValue::Number;
        v.number = std::strtod(v.text.c_str(), nullptr);  // tests keep the C numeric locale
        return true;
    }
    bool string(std::string& out) {
        ++at_;
        while (at_ < s_.size() && s_[at_] != '"') {
            char c = s_[at_++];
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c == '\\') {
                if (at_ >= s_.size()) return false;
                c = s_[at_++];
                if (c == 'n') c = '\n';
                if (c == 'r') c = '\r';
                if (c == 't') c = '\t';
                if (c == 'u') {
                    if (at_ + 4 > s_.size()) return false;
                    c = static_cast<char>(
                        std::strtol(std::string(s_.substr(at_, 4)).c_str(), nullptr, 16));
                    at_ += 4;
                }
            }
            out += c;
        }
        if (at_ >= s_.size()) return false;
        ++at_;
        return true;
    }
    bool array(JsonValue& v) {
        v.type = JsonValue::Array;
        ++at_;
        skip();
        if (at_ < s_.size() && s_[at_] == ']') return ++at_, true;
        for (;;) {
            JsonValue item;
            if (!parse(item)) return false;
            v.items.push_back(std::move(item));
            skip();
            if (at_ < s_.size() && s_[at_] == ',') {
                ++at_;
                continue;
            }
            return at_ < s_.size() && s_[at_++] == ']';
        }
    }
    bool object(JsonValue& v) {
        v.type = JsonValue::Object;
        ++at_;
        skip();
        if (at_ < s_.size() && s_[at_] == '}') return ++at_, true;
        for (;;) {
            skip();
            std::string key;
            if (at_ >= s_.size() || s_[at_] != '"' || !string(key)) return false;
            skip();
            if (at_ >= s_.size() || s_[at_++] != ':') return false;
            JsonValue item;
            if (!parse(item)) return false;
            if (v.fields.count(key)) return false;  // a key twice
            v.order.push_back(key);
            v.fields.emplace(key, std::move(item));
            skip();
            if (at_ < s_.size() && s_[at_] == ',') {
                ++at_;
                continue;
            }
            return at_ < s_.size() && s_[at_++] == '}';
        }
    }

    std::string_view s_;
    std::size_t at_ = 0;
};

inline std::optional<JsonValue> readJson(std::string_view text) {
    return JsonReader(text).read();
}

}  // namespace testsupport
