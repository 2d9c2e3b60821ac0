// The softener unit's parameter record as received, and its decoding onto
// the parameter pages and encoding back from them. Encoding writes in
// place: every position no page owns goes back to the unit unchanged.
#pragma once

#include <cstddef>
#include <string>

#include "softener/parameter_form.h"
#include "softener/parameter_layout.h"

namespace softener {

class ParameterRecord {
  public:
    // The first DPI answer, end byte included: the record is everything
    // behind "DPI|" without the last seven characters. Exactly 415
    // characters mean the long form. True when a second answer follows
    // (the first answer starts with a blank).
    bool takeFirstAnswer(const std::string& answer);
    // The second answer is appended from behind "DPI|"; its last `cut`
    // characters (four after a write or command, seven otherwise) are left off.
    void takeSecondAnswer(const std::string& answer, std::size_t cut);

    bool longForm() const { return longForm_; }
    std::size_t formLength() const { return longForm_ ? kLongRecordLength : kShortRecordLength; }
    // True once a read has brought at least a whole record of the form.
    bool complete() const { return !text_.empty() && text_.size() >= formLength(); }
    const std::string& text() const { return text_; }
    std::string& text() { return text_; }

    // What a DPS request carries: the first 240 or 404 characters.
    std::string writeBody() const { return text_.substr(0, formLength()); }

  private:
    std::string text_;
    bool longForm_ = false;
};

void decodeParameters(const ParameterRecord& record, ParameterForm& form);

// The first float field whose text does not read as a number, or nullptr.
const ParameterField* firstUnreadableFloat(const ParameterForm& form);

// Encodes the page values into the record; float fields must read as numbers.
void encodeParameters(const ParameterForm& form, ParameterRecord& record);

// A float printed with a field format, its decimal point removed: the
// characters handed to a masked field.
std::string maskCharacters(const char* format, double value);

}  // namespace softener
