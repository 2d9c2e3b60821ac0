#include "controller/value_setting.h"

#include <cstdio>
#include <initializer_list>

#include "controller/mask_text.h"
#include "controller/message_text.h"
#include "controller/record_codec.h"
#include "controller/value_input.h"
#include "devlink/fields.h"
#include "files/cp1252.h"

namespace controller {

namespace {

std::string say(const SettingContext& c, const char* german, const char* english,
                std::initializer_list<std::string_view> args) {
    return withArgs(c.english ? english : german, args);
}

// The largest number a mask shows, "999.9" for "###,#".
std::string largestShown(const char* mask) {
    std::string largest = maskDisplay(mask, std::string(editPositions(mask), '9'), ' ');
    devlink::pointDecimalSeparator(largest);
    return largest;
}

long kindMaximum(FieldKind kind) {
    return kind == FieldKind::Word16 ? 0xFFFF : kind == FieldKind::Byte ? 0xFF : -1;
}

// The page's own limits of a whole-number field (the stage fields).
std::string checkLimits(const ValueSlot& slot, long value, const SettingContext& c) {
    const FieldName& names = *slot.names;
    long most = names.most;
    if (names.limitedBy) most = static_cast<long>(valueNamed(c.current, names.limitedBy).number);
    if (most < 0 || (value >= names.least && value <= most)) return "";
    return say(c, "\"%1\": nur %2 bis %3.", "\"%1\": only %2 to %3.",
               {slot.name, std::to_string(names.least), std::to_string(most)});
}

// What the page would refuse of the number's form: a sign, decimals.
std::string formRefusal(const ValueSlot& slot, const NumberText& number, const SettingContext& c) {
    if (number.negative && !(number.whole.empty() && number.fraction.empty()))
        return say(c, "\"%1\": keine negativen Zahlen.", "\"%1\": no negative numbers.",
                   {slot.name});
    const ParameterField& f = *slot.field;
    const int decimals = f.kind == FieldKind::Float ? formatDecimals(f.format) : 0;
    if (number.fraction.size() <= static_cast<std::size_t>(decimals)) return "";
    if (decimals == 0)
        return say(c, "\"%1\": nur ganze Zahlen.", "\"%1\": whole numbers only.", {slot.name});
    return say(c, "\"%1\": h\u00F6chstens %2 Nachkommastelle(n).",
               "\"%1\": at most %2 digit(s) after the decimal point.",
               {slot.name, std::to_string(decimals)});
}

// The characters the field's format prints for the number, empty when the
// field's positions cannot hold them (or the field's kind the number).
std::string fieldCharacters(const ParameterField& f, const char* mask, const NumberText& number) {
    const std::size_t positions = mask ? editPositions(mask) : 9;
    const double value = numberOf(number);
    const long maximum = kindMaximum(f.kind);
    if (number.whole.size() > positions || (maximum >= 0 && value > static_cast<double>(maximum)))
        return "";
    std::string characters = f.kind == FieldKind::Float
                                 ? maskCharacters(f.format, value)
                                 : printedWhole(f.format, static_cast<long>(value));
    return characters.size() > positions ? "" : characters;
}

std::string putNumber(const ValueSlot& slot, std::string_view text, const SettingContext& c,
                      MemoryForm& form) {
    const ParameterField& f = *slot.field;
    const char* mask = slot.names->mask;
    const auto number = readNumberText(text, c.table.placeholder);
    if (!number)
        return say(c, "\"%1\": \"%2\" ist keine g\u00FCltige Zahl.",
                   "\"%1\": \"%2\" is not a valid number.", {slot.name, text});
    std::string refusal = formRefusal(slot, *number, c);
    if (!refusal.empty()) return refusal;
    const std::string characters = fieldCharacters(f, mask, *number);
    if (characters.empty())
        return say(c, "\"%1\": h\u00F6chstens %2.", "\"%1\": at most %2.",
                   {slot.name, mask ? largestShown(mask) : std::to_string(kindMaximum(f.kind))});
    if (f.kind != FieldKind::Float) {
        refusal = checkLimits(slot, static_cast<long>(numberOf(*number)), c);
        if (!refusal.empty()) return refusal;
    }
    form.setMaskText(f.page, f.control, characters);
    return "";
}

std::string putTime(const ValueSlot& slot, std::string_view text, const SettingContext& c,
                    MemoryForm& form) {
    const auto time = readTimeText(text);
    if (!time)
        return say(c, "\"%1\": \"%2\" ist keine Uhrzeit (hh:mm).",
                   "\"%1\": \"%2\" is no time of day (hh:mm).", {slot.name, text});
    form.setMaskText(slot.field->page, slot.field->control,
                     printedWhole("%04i", time->hour * 100L + time->minute));
    return "";
}

int optionIndex(const std::vector<OptionName>& options, std::string_view text) {
    text = trimmed(text);
    for (std::size_t i = 0; i < options.size(); ++i) {
        const OptionName& o = options[i];
        if (sameWord(text, o.name) || sameWord(text, o.german) || sameWord(text, o.english))
            return static_cast<int>(i);
    }
    return -1;
}

std::string putChoice(const ValueSlot& slot, std::string_view text, const SettingContext& c,
                      MemoryForm& form) {
    const std::vector<OptionName>& options = slot.names->options;
    const int index = optionIndex(options, text);
    if (index < 0 || static_cast<std::size_t>(index) >= slot.field->buttons.size()) {
        std::string names;
        for (const OptionName& o : options)
            names += (names.empty() ? "" : ", ") + std::string(o.name);
        return say(c, "\"%1\": \"%2\" ist keine der M\u00F6glichkeiten %3.",
                   "\"%1\": \"%2\" is none of %3.", {slot.name, text, names});
    }
    form.setRadioIndex(slot.field->page, slot.field->buttons, index);
    return "";
}

std::string putFlag(const ValueSlot& slot, std::string_view text, const SettingContext& c, int page,
                    int box, MemoryForm& form) {
    const auto flag = readFlagText(text);
    if (!flag)
        return say(c, "\"%1\": \"%2\" ist weder 1 noch 0.", "\"%1\": \"%2\" is neither 1 nor 0.",
                   {slot.name, text});
    form.setChecked(page, box, *flag);
    return "";
}

bool digitsOnly(std::string_view text) {
    for (const char ch : text)
        if (ch < '0' || ch > '9') return false;
    return true;
}

// The dial-in number and the prefix take digits, the additional text any
// character the unit's code page has, no control characters.
std::string putSmsText(const ValueSlot& slot, std::string_view text, const SettingContext& c,
                       MemoryForm& form) {
    const SmsTextPlace place = smsTextPlace(c.table.layout->sms, slot.text);
    const std::string width = std::to_string(place.width);
    if (slot.text != SmsText::ExtraText) {
        if (!digitsOnly(text) || text.size() > place.width)
            return say(c, "\"%1\": nur Ziffern, h\u00F6chstens %2.",
                       "\"%1\": digits only, at most %2.", {slot.name, width});
    } else if (const auto outside = files::firstOutsideCp1252(text)) {
        return say(c, "\"%1\": das Zeichen \"%2\" kann das Ger\u00E4t nicht darstellen.",
                   "\"%1\": the unit cannot show the character \"%2\".",
                   {slot.name, files::utf8Of(*outside)});
    }
    const std::string bytes = files::utf8ToCp1252(text);
    for (const char ch : bytes)
        if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F)
            return say(c, "\"%1\": keine Steuerzeichen.", "\"%1\": no control characters.",
                       {slot.name});
    if (bytes.size() > place.width)
        return say(c, "\"%1\": h\u00F6chstens %2 Zeichen.", "\"%1\": at most %2 characters.",
                   {slot.name, width});
    form.setText(c.table.layout->sms.page, place.control, bytes);
    return "";
}

std::string putFieldValue(const ValueSlot& slot, std::string_view text, const SettingContext& c,
                          MemoryForm& form) {
    const ParameterField& f = *slot.field;
    switch (f.kind) {
        case FieldKind::Float:
        case FieldKind::Word16:
        case FieldKind::Byte:
            return putNumber(slot, text, c, form);
        case FieldKind::Time:
            return putTime(slot, text, c, form);
        case FieldKind::Choice:
            return putChoice(slot, text, c, form);
        case FieldKind::Check:
            return putFlag(slot, text, c, f.page, f.control, form);
        case FieldKind::Bits:
            break;
    }
    return putFlag(slot, text, c, f.page, f.buttons.at(slot.bit), form);
}

void encodeSmsFlag(const SmsLayout& sms, std::size_t bit, const MemoryForm& form,
                   std::string& record) {
    std::uint32_t flags = devlink::decodeWord32(record, sms.flags);
    flags &= ~(1u << bit);
    if (form.isChecked(sms.page, sms.flagBoxes.at(bit))) flags |= 1u << bit;
    devlink::putField(record, sms.flags, devlink::encodeWord32(flags));
}

}  // namespace

std::string printedWhole(const char* format, long value) {
    char text[32];
    std::snprintf(text, sizeof text, format, static_cast<int>(value));
    return text;
}

std::string putOnForm(const ValueSlot& slot, std::string_view text, const SettingContext& context,
                      MemoryForm& form) {
    switch (slot.kind) {
        case SlotKind::Field:
        case SlotKind::FieldBit:
            return putFieldValue(slot, text, context, form);
        case SlotKind::SmsText:
            return putSmsText(slot, text, context, form);
        case SlotKind::SmsFlag:
            break;
    }
    const SmsLayout& sms = context.table.layout->sms;
    return putFlag(slot, text, context, sms.page, sms.flagBoxes.at(slot.bit), form);
}

void encodeSlot(const ValueSlot& slot, const ParameterValueTable& table, const MemoryForm& form,
                std::string& record) {
    const SmsLayout& sms = table.layout->sms;
    switch (slot.kind) {
        case SlotKind::Field:
        case SlotKind::FieldBit:
            encodeOneField(*slot.field, form, record);
            break;
        case SlotKind::SmsText: {
            const SmsTextPlace place = smsTextPlace(sms, slot.text);
            devlink::putField(record, place.offset,
                              devlink::encodeText(form.text(sms.page, place.control), place.width));
            break;
        }
        case SlotKind::SmsFlag:
            encodeSmsFlag(sms, slot.bit, form, record);
            break;
    }
}

}  // namespace controller
