// One value put onto pages held in memory as the page's control would take
// it, checked as the page checks it, and encoded from there into the
// record: the single field, the single box or the single SMS text.
#pragma once

#include <string>
#include <string_view>

#include "controller/memory_form.h"
#include "controller/unit_value.h"
#include "controller/value_slots.h"
#include "controller/value_table.h"

namespace controller {

struct SettingContext {
    const ParameterValueTable& table;
    const UnitValues& current;  // the record's values before the change
    bool english;
};

// What is wrong with the text, in the interface language; empty when the
// value now stands on the form.
std::string putOnForm(const ValueSlot& slot, std::string_view text, const SettingContext& context,
                      MemoryForm& form);

// The slot's characters of the record, from the form.
void encodeSlot(const ValueSlot& slot, const ParameterValueTable& table, const MemoryForm& form,
                std::string& record);

// A whole-number field's characters for a number, as its format prints them.
std::string printedWhole(const char* format, long value);

}  // namespace controller
