// The parameters two records set differently, as the pages show them: what
// a write changes on the unit, or what a stored set, a setting file or a
// backup would change on the pages. Each change names its page, its value
// in both interface languages and the two texts as the page shows them.
#pragma once

#include <string>
#include <vector>

#include "controller/parameter_form.h"
#include "controller/setting_values.h"
#include "controller/unit_record.h"
#include "controller/unit_value.h"
#include "controller/value_table.h"

namespace controller {

struct ValueChange {
    std::string name;
    int page = 0;
    TwoLanguages label;
    TwoLanguages before;
    TwoLanguages after;
};

// A value as its page shows it: a masked field's text with its literals
// (a float at its display precision), a choice by its button's caption, a
// check box as "ein" / "on" or "aus" / "off", a text as typed.
TwoLanguages pageText(const UnitValue& value);

// The values of `after` that a write sends and whose page shows them
// otherwise than in `before`, in the order of `after`. A difference the
// page cannot show (a float beyond its display precision) is none.
std::vector<ValueChange> valueChanges(const UnitValues& before, const UnitValues& after);

// How a program encodes its pages into its record.
using EncodeRecord = void (*)(const ParameterForm& form, UnitRecord& record);

// The record a write would send if the pages held the value lines of a
// stored set: base decoded onto pages in memory, the lines put on them as
// applying the set does, and encoded back into base. What a set does not
// hold (the provider's access number, the positions no page shows) stays
// as base has it.
UnitRecord recordWithLines(const ParameterValueTable& table,
                           const std::vector<SettingValue>& values, EncodeRecord encode,
                           const UnitRecord& base, const std::vector<std::string>& lines);

}  // namespace controller
