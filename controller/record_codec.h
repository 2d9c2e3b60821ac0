// Decoding a controller's parameter record onto its pages and encoding the
// pages back into it, driven by the program's record layout. Encoding
// writes in place: every position no field owns goes back unchanged.
#pragma once

#include <string>

#include "controller/parameter_form.h"
#include "controller/record_layout.h"
#include "controller/unit_record.h"

namespace controller {

// Every field of the layout, then the alarm-SMS page learns the form and,
// for the long form, gets its texts and alarm boxes.
void decodeRecord(const RecordLayout& layout, const UnitRecord& record, ParameterForm& form);

// One field alone, as the whole record's decoding and encoding treat it.
void decodeOneField(const ParameterField& field, const std::string& record, ParameterForm& form);
void encodeOneField(const ParameterField& field, const ParameterForm& form, std::string& record);

// The first float field whose text does not read as a number, or nullptr.
const ParameterField* firstUnreadableFloat(const RecordLayout& layout, const ParameterForm& form);

// Encodes the page values into the record; float fields must read as numbers
// (a field that does not keeps its old value).
void encodeRecord(const RecordLayout& layout, const ParameterForm& form, UnitRecord& record);

// A float printed with a field format, its decimal point removed: the
// characters handed to a masked field.
std::string maskCharacters(const char* format, double value);

// The number a float field's text gives: its commas made points, at most
// nine characters, leading blanks skipped, then as much as reads as a
// number, rounded to the nearest single-precision value. Never the user's
// locale. False when nothing reads as a number.
bool readFloatText(std::string text, double& value);

}  // namespace controller
