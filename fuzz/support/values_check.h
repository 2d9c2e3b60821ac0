// A parameter record's values by name, whatever the record holds: decoded,
// and one of them set from a line "name=text" of the input (a line that
// names no value sets the value its length picks). Setting keeps the
// record's length, and a refused text changes nothing.
#pragma once

#include <string>

#include "controller/parameter_values.h"
#include "support/fuzz_check.h"

namespace fuzzing {

inline void checkParameterValues(const controller::ParameterValueTable& table,
                                 const controller::UnitRecord& record, const std::string& line) {
    const controller::UnitValues values = controller::parameterValues(table, record);
    for (const controller::UnitValue& value : values)
        FUZZ_CHECK(!value.name.empty(), "every value has a name");
    if (values.empty()) return;
    const std::size_t equals = line.find('=');
    std::string name = line.substr(0, equals);
    const std::string text = equals == std::string::npos ? line : line.substr(equals + 1);
    if (!controller::findValue(values, name)) name = values[line.size() % values.size()].name;
    controller::UnitRecord changed = record;
    const std::string error = controller::setParameterValue(table, changed, name, text, true);
    FUZZ_CHECK(changed.text().size() == record.text().size(),
               "setting a value keeps the record's length");
    if (!error.empty())
        FUZZ_CHECK(changed.text() == record.text(), "a refused value changes nothing");
}

}  // namespace fuzzing
