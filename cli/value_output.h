// A unit's named values as aquendorctl prints them: lines of a text table
// (the label, what the page shows and the unit) and JSON objects with the
// value as a number, a flag, a choice's name or a text.
#pragma once

#include <cstddef>
#include <string>

#include "cli/json_writer.h"
#include "controller/unit_value.h"

namespace cli {

// The decimals the page shows of a number ("0012,50": 2).
int shownDecimals(const controller::UnitValue& value);

// "number", "choice", "flag", "text"
const char* typeName(controller::ValueType type);

// The value alone: a number, a flag, a choice's name, a text, or null.
void jsonValue(JsonWriter& json, const controller::UnitValue& value, bool english);

// The value's own fields: name, label, type, value, unit, shown (and, for
// a choice, its options); the caller may add fields before endObject.
void beginValueObject(JsonWriter& json, const controller::UnitValue& value, bool english);

// The text padded with blanks to a width in characters (not bytes).
std::string padded(const std::string& utf8, std::size_t width);
std::size_t characters(const std::string& utf8);

// One line of a table: the label padded, then what the page shows and the unit.
std::string valueLine(const controller::UnitValue& value, bool english, std::size_t labelWidth);

}  // namespace cli
