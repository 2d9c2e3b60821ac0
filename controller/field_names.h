// Builders for the units' value tables (value_table.h): a row names one
// field of the record, its unit and the mask its page shows it in. The
// kinds of field both controllers have are built here; a unit's own kinds
// (stage fields, units that follow the hardness unit) stay with its table.
#pragma once

#include <cstddef>
#include <vector>

#include "controller/value_table.h"

namespace controller {

// A masked field; an English unit of nullptr is the German one.
FieldName maskedField(std::size_t offset, const char* name, const char* german, const char* english,
                      const char* mask, const char* unit = "", const char* unitEnglish = nullptr);
// A two-digit time in seconds ("Sek." / "sec.").
FieldName secondsField(std::size_t offset, const char* name, const char* german,
                       const char* english);
// A check box.
FieldName flagField(std::size_t offset, const char* name, const char* german, const char* english);
// A radio group, its options in button order.
FieldName choiceField(std::size_t offset, const char* name, const char* german, const char* english,
                      std::vector<OptionName> options);
// A contact input: normally open ("Schliesser") or normally closed ("Öffner").
FieldName contactField(std::size_t offset, const char* name, const char* german,
                       const char* english);

}  // namespace controller
