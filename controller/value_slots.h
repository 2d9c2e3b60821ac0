// The places of a parameter record that hold one named value each: a
// layout field, one box of a byte of boxes, an alarm-SMS text or one alarm
// box of the SMS flags. Decoding and setting by name both walk them.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "controller/unit_record.h"
#include "controller/value_table.h"

namespace controller {

enum class SlotKind { Field, FieldBit, SmsText, SmsFlag };

// The four alarm-SMS texts: where they lie, how wide they are, which control shows them.
enum class SmsText { DialNumber, Prefix, AccessNumber, ExtraText };

struct ValueSlot {
    SlotKind kind = SlotKind::Field;
    const char* name = "";
    const char* german = "";
    const char* english = "";
    const ParameterField* field = nullptr;  // Field, FieldBit
    const FieldName* names = nullptr;       // Field, FieldBit
    std::size_t bit = 0;                    // FieldBit, SmsFlag
    SmsText text = SmsText::DialNumber;     // SmsText
    bool longFormOnly = false;
    bool readOnly = false;  // shown but never set: a hidden box, the access number
};

// In record order: the layout's fields, the long-form fields, the SMS values.
std::vector<ValueSlot> valueSlots(const ParameterValueTable& table);
const ValueSlot* slotNamed(const std::vector<ValueSlot>& slots, std::string_view name);

// The names a table gives a layout field (nullptr: none).
const FieldName* namesOf(const ParameterValueTable& table, const ParameterField& field);

// Whether a read shows the slot: the long form's own slots only with it.
bool slotShown(const ValueSlot& slot, const UnitRecord& record);
// Whether a write sends it back: the long form sends every slot, the short
// form what lies within its length (a short-form unit shows a field beyond
// it, but never takes it back).
bool slotSent(const ValueSlot& slot, const UnitRecord& record, const RecordLayout& layout);

// The SMS text's offset, width in characters and control.
struct SmsTextPlace {
    std::size_t offset;
    std::size_t width;
    int control;
};
SmsTextPlace smsTextPlace(const SmsLayout& sms, SmsText text);

}  // namespace controller
