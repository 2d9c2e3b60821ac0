// The softener unit's parameter record as received, and its decoding onto
// the parameter pages and encoding back from them. Encoding writes in
// place: every position no page owns goes back to the unit unchanged.
#pragma once

#include <cstddef>
#include <string>

#include "controller/parameter_form.h"
#include "controller/record_codec.h"
#include "controller/unit_record.h"
#include "softener/parameter_layout.h"

namespace softener {

// The record is everything behind "DPI|" of the first answer without its
// last seven characters; exactly 415 characters mean the long form. A
// second answer loses four characters after a write or command, seven
// otherwise.
class ParameterRecord : public controller::UnitRecord {
  public:
    ParameterRecord() : controller::UnitRecord(softenerLayout().form) {}
};

// Besides the fields of the layout, the long form's last byte sets the
// box in front of the regeneration interval, which enables its days.
void decodeParameters(const controller::UnitRecord& record, controller::ParameterForm& form);

// The first float field whose text does not read as a number, or nullptr.
const controller::ParameterField* firstUnreadableFloat(const controller::ParameterForm& form);

// Encodes the page values into the record; float fields must read as numbers.
void encodeParameters(const controller::ParameterForm& form, controller::UnitRecord& record);

}  // namespace softener
