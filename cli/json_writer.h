// A small writer of JSON text on one line, for the --json output: strings
// escaped as JSON wants them (UTF-8 kept), numbers written without the
// user's locale, never as "8,4".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cli {

class JsonWriter {
  public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);

    JsonWriter& string(std::string_view text);
    JsonWriter& boolean(bool value);
    JsonWriter& null();
    // decimals < 0: the shortest text that reads back as the same number.
    JsonWriter& number(double value, int decimals = -1);
    JsonWriter& integer(long long value);

    // key and value in one.
    JsonWriter& field(std::string_view name, std::string_view text) {
        return key(name).string(text);
    }

    const std::string& text() const { return out_; }

  private:
    void beforeValue();
    void begin(char bracket);
    void end(char bracket);

    std::string out_;
    std::vector<bool> first_;  // per open object or array: nothing written in it yet
    bool afterKey_ = false;
};

// The text JSON gives a string.
std::string jsonString(std::string_view text);

// A number as JSON and the CSV files write it, never in the user's locale;
// decimals < 0: the shortest text that reads back as the same number.
std::string numberText(double value, int decimals = -1);

}  // namespace cli
