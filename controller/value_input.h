// Reading the text given for a value, as an operator types it on a command
// line or copies it from a page: numbers take "." or "," as the decimal
// separator whatever the locale, flags take the usual words of both
// languages, times "hh:mm".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace controller {

// A decimal number split into its digits.
struct NumberText {
    bool negative = false;
    std::string whole;     // digits before the separator, leading zeros dropped
    std::string fraction;  // digits after it, trailing zeros dropped
};

// Blanks around it and trailing placeholders (as a page shows empty
// positions) are skipped; then an optional sign, digits and at most one
// "." or ",". Nothing else.
std::optional<NumberText> readNumberText(std::string_view text, char placeholder);

// The number the digits give, never the locale's reading.
double numberOf(const NumberText& number);

// "1", "on", "yes", "true", "ein", "ja" and "0", "off", "no", "false",
// "aus", "nein", in any case.
std::optional<bool> readFlagText(std::string_view text);

struct TimeOfDay {
    int hour;
    int minute;
};
// "hh:mm", "h:mm" or the four digits "hhmm", within a day.
std::optional<TimeOfDay> readTimeText(std::string_view text);

// The digits a "%w.pf" format prints after the point (0 without one).
int formatDecimals(const char* format);

// ASCII letters compared without their case.
bool sameWord(std::string_view a, std::string_view b);

std::string_view trimmed(std::string_view text);

}  // namespace controller
