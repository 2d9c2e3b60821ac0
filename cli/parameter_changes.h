// What a write changes on the unit, value by value, and the checks of the
// pages applied to the values a setting file brings.
#pragma once

#include <string>
#include <vector>

#include "controller/unit_record.h"
#include "controller/unit_value.h"
#include "controller/value_table.h"

namespace cli {

struct ParameterChange {
    controller::UnitValue before;
    controller::UnitValue after;
};

// The values the unit takes with a write whose page text differs.
std::vector<ParameterChange> parameterChanges(const controller::UnitValues& unit,
                                              const controller::UnitValues& changed);

// "name  label: unit's value -> new value unit", one a line.
std::string changesText(const std::vector<ParameterChange>& changes, bool english);
// {"changes":[...],"written":...,"backup":...}
std::string changesJson(const std::vector<ParameterChange>& changes, bool written,
                        const std::string& backup, bool english);

// The text a value is given as on a command line to set it again.
std::string inputText(const controller::UnitValue& value);

// Why values of the changed record would be refused by the pages' checks
// (field ranges, the stage rules), each with its name; empty when none is.
// A value the unit already held is refused only when a change of another
// makes it wrong (a stage beyond a lowered number of stages).
std::vector<std::string> refusedValues(const controller::ParameterValueTable& table,
                                       const controller::UnitRecord& unit,
                                       const controller::UnitRecord& changed, bool english);

}  // namespace cli
