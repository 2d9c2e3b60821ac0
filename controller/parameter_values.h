// A parameter record as named values, and one value set by name into it,
// for a program without pages. Decoding goes through the record codec onto
// pages held in memory, so every text is the one the window's pages show
// after a read; setting takes a text as the page's field would take it and
// encodes that one field, leaving every other position of the record as
// the unit sent it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "controller/mask_text.h"
#include "controller/memory_form.h"
#include "controller/unit_record.h"
#include "controller/unit_value.h"
#include "controller/value_table.h"

namespace controller {

// Every value of the record in record order: the layout's fields (a byte
// of boxes as one flag a box), then, for the long form, the fields only it
// carries and the alarm-SMS values.
UnitValues parameterValues(const ParameterValueTable& table, const UnitRecord& record);

// Sets the value called `name` from `text` and encodes it into the record.
// Numbers take "." or "," whatever the locale, and what the page shows
// ("  8,4", "5_") reads as well; a value must fit the page's field and its
// limits. Lowering a value that limits others pulls them down with it, as
// the page does. Returns what is wrong in the interface language, empty
// when the value is set.
std::string setParameterValue(const ParameterValueTable& table, UnitRecord& record,
                              std::string_view name, std::string_view text, bool english);

// The record decoded onto pages in memory that know the fields' masks.
MemoryForm decodedForm(const ParameterValueTable& table, const UnitRecord& record);
std::vector<FieldMask> fieldMasks(const ParameterValueTable& table);

}  // namespace controller
