#include "controller/parameter_values.h"

#include "controller/message_text.h"
#include "controller/record_codec.h"
#include "controller/value_setting.h"
#include "controller/value_slots.h"
#include "devlink/fields.h"
#include "files/cp1252.h"

namespace controller {

namespace {

struct Decoded {
    const ParameterValueTable& table;
    const UnitRecord& record;
    const MemoryForm& form;
    int hardnessUnit;
};

// The button the record's hardness unit selects, -1 without one.
int hardnessUnitOf(const ParameterValueTable& table, const MemoryForm& form) {
    for (const ParameterField& field : table.layout->fields)
        if (field.namesUnit) return form.radioIndex(field.page, field.buttons);
    return -1;
}

ValueLabel labelOf(const ValueSlot& slot, const FieldName* names, int hardnessUnit) {
    ValueLabel label{slot.name, slot.german, slot.english};
    if (!names) return label;
    label.unit = names->unit;
    label.unitEnglish = names->unitEnglish;
    if (names->unitFrom == UnitFrom::Hardness) label.unit = hardnessUnitText(hardnessUnit);
    if (names->unitFrom == UnitFrom::Capacity) label.unit = capacityUnitText(hardnessUnit);
    return label;
}

UnitValue flagValue(const ValueLabel& label, bool on) {
    UnitValue value = labelledValue(label, ValueType::Flag);
    value.flag = on;
    value.number = on ? 1 : 0;
    value.shown = sameInBoth(on ? "1" : "0");
    return value;
}

double numberInRecord(const ParameterField& f, const std::string& record) {
    switch (f.kind) {
        case FieldKind::Float:
            return devlink::decodeFloat(record, f.offset);
        case FieldKind::Word16:
            return devlink::decodeWord16(record, f.offset);
        default:
            return devlink::decodeByte(record, f.offset);
    }
}

UnitValue maskedValue(const ValueLabel& label, const ParameterField& f, const Decoded& d) {
    const bool time = f.kind == FieldKind::Time;
    UnitValue value = labelledValue(label, time ? ValueType::Text : ValueType::Number);
    value.characters = d.form.maskCharacters(f.page, f.control);
    value.shown = sameInBoth(d.form.maskWindowText(f.page, f.control));
    if (time)
        value.text = value.shown.german;
    else
        value.number = numberInRecord(f, d.record.text());
    return value;
}

UnitValue choiceValue(const ValueLabel& label, const ParameterField& f, const FieldName& names,
                      const Decoded& d) {
    UnitValue value = labelledValue(label, ValueType::Choice);
    value.choice = d.form.radioIndex(f.page, f.buttons);
    value.number = value.choice;
    for (const OptionName& option : names.options) value.options.push_back(option.name);
    if (value.choice >= 0 && static_cast<std::size_t>(value.choice) < names.options.size()) {
        const OptionName& option = names.options[static_cast<std::size_t>(value.choice)];
        value.text = option.name;
        value.shown = bothLanguages(option.german, option.english);
    }
    return value;
}

UnitValue fieldValue(const ValueSlot& slot, const ValueLabel& label, const Decoded& d) {
    const ParameterField& f = *slot.field;
    if (slot.kind == SlotKind::FieldBit)
        return flagValue(label, d.form.isChecked(f.page, f.buttons.at(slot.bit)));
    switch (f.kind) {
        case FieldKind::Choice:
            return choiceValue(label, f, *slot.names, d);
        case FieldKind::Check:
            return flagValue(label, d.form.isChecked(f.page, f.control));
        default:
            return maskedValue(label, f, d);
    }
}

UnitValue valueOf(const ValueSlot& slot, const Decoded& d) {
    const ValueLabel label = labelOf(slot, slot.names, d.hardnessUnit);
    const SmsLayout& sms = d.table.layout->sms;
    UnitValue value;
    switch (slot.kind) {
        case SlotKind::Field:
        case SlotKind::FieldBit:
            value = fieldValue(slot, label, d);
            break;
        case SlotKind::SmsText:
            value = plainText(label, files::cp1252ToUtf8(d.form.text(
                                         sms.page, smsTextPlace(sms, slot.text).control)));
            break;
        case SlotKind::SmsFlag:
            value = flagValue(label, d.form.isChecked(sms.page, sms.flagBoxes.at(slot.bit)));
            break;
    }
    value.settable = !slot.readOnly && slotSent(slot, d.record, *d.table.layout);
    value.page = slot.field ? slot.field->page : sms.page;
    return value;
}

// Values limited by the one just set come down to its new number.
void pullDownLimited(const ParameterValueTable& table, const std::vector<ValueSlot>& slots,
                     const ValueSlot& changed, UnitRecord& record, MemoryForm& form) {
    const UnitValues now = parameterValues(table, record);
    const double limit = valueNamed(now, changed.name).number;
    for (const ValueSlot& slot : slots) {
        if (slot.kind != SlotKind::Field || !slot.names->limitedBy ||
            std::string_view(slot.names->limitedBy) != changed.name ||
            valueNamed(now, slot.name).number <= limit)
            continue;
        form.setMaskText(slot.field->page, slot.field->control,
                         printedWhole(slot.field->format, static_cast<long>(limit)));
        encodeSlot(slot, table, form, record.text());
    }
}

std::string refusal(const ValueSlot* slot, const UnitRecord& record,
                    const ParameterValueTable& table, std::string_view name, bool english) {
    const auto say = [&](const char* german, const char* englishText) {
        return withArgs(english ? englishText : german, {name});
    };
    if (!slot) return say("Unbekannter Wert \"%1\".", "Unknown value \"%1\".");
    if (!record.complete())
        return say("Es wurden noch keine Parameter aus dem Ger\u00E4t gelesen.",
                   "No parameters have been read from the unit yet.");
    if (!slotSent(*slot, record, *table.layout))
        return say("\"%1\" nimmt das Ger\u00E4t nur mit der langen Form des Datensatzes an.",
                   "The unit takes \"%1\" only with the long form of the record.");
    if (slot->readOnly)
        return say("\"%1\" wird nur angezeigt und kann nicht gesetzt werden.",
                   "\"%1\" is only shown and cannot be set.");
    return "";
}

}  // namespace

std::vector<FieldMask> fieldMasks(const ParameterValueTable& table) {
    std::vector<FieldMask> masks;
    const auto add = [&](const ParameterField& field) {
        const FieldName* names = namesOf(table, field);
        if (names && names->mask) masks.push_back({field.page, field.control, names->mask});
    };
    for (const ParameterField& field : table.layout->fields) add(field);
    for (const ParameterField& field : table.longFormFields) add(field);
    return masks;
}

MemoryForm decodedForm(const ParameterValueTable& table, const UnitRecord& record) {
    MemoryForm form({}, table.placeholder, fieldMasks(table));
    decodeRecord(*table.layout, record, form);
    if (record.longForm())
        for (const ParameterField& field : table.longFormFields)
            decodeOneField(field, record.text(), form);
    return form;
}

UnitValues parameterValues(const ParameterValueTable& table, const UnitRecord& record) {
    const MemoryForm form = decodedForm(table, record);
    const Decoded decoded{table, record, form, hardnessUnitOf(table, form)};
    UnitValues values;
    for (const ValueSlot& slot : valueSlots(table))
        if (slotShown(slot, record)) values.push_back(valueOf(slot, decoded));
    return values;
}

std::string setParameterValue(const ParameterValueTable& table, UnitRecord& record,
                              std::string_view name, std::string_view text, bool english) {
    const std::vector<ValueSlot> slots = valueSlots(table);
    const ValueSlot* slot = slotNamed(slots, name);
    std::string error = refusal(slot, record, table, name, english);
    if (!error.empty()) return error;
    MemoryForm form = decodedForm(table, record);
    const UnitValues current = parameterValues(table, record);
    error = putOnForm(*slot, text, {table, current, english}, form);
    if (!error.empty()) return error;
    encodeSlot(*slot, table, form, record.text());
    pullDownLimited(table, slots, *slot, record, form);
    return "";
}

}  // namespace controller
