#include "controller/value_slots.h"

namespace controller {

namespace {

std::size_t fieldWidth(FieldKind kind) {
    switch (kind) {
        case FieldKind::Float:
            return 8;
        case FieldKind::Word16:
        case FieldKind::Time:
            return 4;
        default:
            return 2;
    }
}

void appendField(const ParameterField& field, const FieldName* names, bool longFormOnly,
                 std::vector<ValueSlot>& slots) {
    if (!names) return;
    if (field.kind != FieldKind::Bits) {
        slots.push_back({SlotKind::Field, names->name, names->german, names->english, &field, names,
                         0, SmsText::DialNumber, longFormOnly, false});
        return;
    }
    for (std::size_t bit = 0; bit < names->options.size() && bit < field.buttons.size(); ++bit) {
        const OptionName& box = names->options[bit];
        if (box.name && field.buttons[bit] != 0)
            slots.push_back({SlotKind::FieldBit, box.name, box.german, box.english, &field, names,
                             bit, SmsText::DialNumber, longFormOnly, box.hidden});
    }
}

void appendSms(const SmsNames& sms, const SmsLayout& layout, std::vector<ValueSlot>& slots) {
    const auto text = [&](const OptionName& names, SmsText which, bool readOnly) {
        slots.push_back({SlotKind::SmsText, names.name, names.german, names.english, nullptr,
                         nullptr, 0, which, true, readOnly});
    };
    text(sms.dialNumber, SmsText::DialNumber, false);
    text(sms.prefix, SmsText::Prefix, false);
    text(sms.accessNumber, SmsText::AccessNumber, true);  // shown on the page, never edited
    text(sms.extraText, SmsText::ExtraText, false);
    for (std::size_t bit = 0; bit < sms.flags.size() && bit < layout.flagBoxes.size(); ++bit) {
        const OptionName& box = sms.flags[bit];
        if (box.name && layout.flagBoxes[bit] != 0)
            slots.push_back({SlotKind::SmsFlag, box.name, box.german, box.english, nullptr, nullptr,
                             bit, SmsText::DialNumber, true, box.hidden});
    }
}

}  // namespace

const FieldName* namesOf(const ParameterValueTable& table, const ParameterField& field) {
    for (const FieldName& names : table.fields)
        if (names.offset == field.offset) return &names;
    return nullptr;
}

std::vector<ValueSlot> valueSlots(const ParameterValueTable& table) {
    std::vector<ValueSlot> slots;
    for (const ParameterField& field : table.layout->fields)
        appendField(field, namesOf(table, field), false, slots);
    for (const ParameterField& field : table.longFormFields)
        appendField(field, namesOf(table, field), true, slots);
    appendSms(table.sms, table.layout->sms, slots);
    return slots;
}

const ValueSlot* slotNamed(const std::vector<ValueSlot>& slots, std::string_view name) {
    for (const ValueSlot& slot : slots)
        if (name == slot.name) return &slot;
    return nullptr;
}

bool slotShown(const ValueSlot& slot, const UnitRecord& record) {
    return record.longForm() || !slot.longFormOnly;
}

bool slotSent(const ValueSlot& slot, const UnitRecord& record, const RecordLayout& layout) {
    if (record.longForm()) return true;
    if (slot.longFormOnly) return false;
    return slot.field->offset + fieldWidth(slot.field->kind) <= layout.form.shortLength;
}

SmsTextPlace smsTextPlace(const SmsLayout& sms, SmsText text) {
    switch (text) {
        case SmsText::DialNumber:
            return {sms.dialNumber, 20, sms.dialNumberControl};
        case SmsText::Prefix:
            return {sms.prefix, 4, sms.prefixControl};
        case SmsText::AccessNumber:
            return {sms.accessNumber, 20, sms.accessNumberControl};
        case SmsText::ExtraText:
            return {sms.extraText, 30, sms.extraTextControl};
    }
    return {sms.dialNumber, 20, sms.dialNumberControl};
}

}  // namespace controller
