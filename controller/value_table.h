// What a program tells the value model about its parameter record besides
// the record layout: each field's machine name, its names and unit in both
// languages, the mask its page field shows it with, the names of a radio
// group's buttons or of a byte's bits, and the limits the page checks.
// The programs' tables are data; the model (parameter_values.h) works from
// them and the layout alone.
#pragma once

#include <cstddef>
#include <vector>

#include "controller/record_layout.h"

namespace controller {

// A radio button or a bit of a box row: its machine name and captions.
struct OptionName {
    const char* name;  // nullptr: a bit without a box, neither shown nor set
    const char* german;
    const char* english;
    bool hidden = false;  // a box the page hides: shown, carried, never set
};

// Where a unit label comes from: fixed, or the hardness unit the record holds.
enum class UnitFrom { Fixed, Hardness, Capacity };

struct FieldName {
    std::size_t offset;  // the layout field it names
    const char* name;    // a Bits field: unused, its bits are named in options
    const char* german;
    const char* english;
    const char* mask = nullptr;  // masked fields: the mask of the page field
    const char* unit = "";
    const char* unitEnglish = nullptr;  // nullptr: as the German
    UnitFrom unitFrom = UnitFrom::Fixed;
    std::vector<OptionName> options = {};  // Choice: buttons in index order; Bits: bit 0, 1 ...
    // Whole-number fields: the page refuses digits outside least .. most
    // (most < 0: whatever the mask takes); limitedBy names the value whose
    // number is the largest allowed, and lowering it pulls this one down.
    int least = 0;
    int most = -1;
    const char* limitedBy = nullptr;
};

// The alarm-SMS values of the long form.
struct SmsNames {
    OptionName dialNumber;
    OptionName prefix;
    OptionName accessNumber;
    OptionName extraText;
    std::vector<OptionName> flags;  // bit 0, 1 ... of the flags word
};

struct ParameterValueTable {
    const RecordLayout* layout;
    std::vector<FieldName> fields;  // one for each field of the layout and of longFormFields
    // Fields beyond the layout's that only the long form carries.
    std::vector<ParameterField> longFormFields;
    SmsNames sms;
    char placeholder = '_';  // what empty positions of the masked fields show
};

}  // namespace controller
