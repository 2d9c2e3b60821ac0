#include "controller/record_codec.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "devlink/fields.h"

namespace controller {

namespace {

constexpr std::size_t kFloatTextChars = 9;

std::string printed(const char* format, long value) {
    char text[32];
    std::snprintf(text, sizeof text, format, static_cast<int>(value));
    return text;
}

// A zero byte ends a text wherever it stands.
std::string upToZero(std::string text) {
    const auto zero = text.find('\0');
    if (zero != std::string::npos) text.resize(zero);
    return text;
}

// Up to the first blank, as the unit pads its texts.
std::string cutAtBlank(std::string text) {
    text = upToZero(std::move(text));
    const auto blank = text.find(' ');
    if (blank != std::string::npos) text.resize(blank);
    return text;
}

std::string withoutTrailingBlanks(std::string text) {
    text = upToZero(std::move(text));
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

int buttonFor(const ParameterField& f, int byte) {
    const int index = f.choose(byte);
    return index >= 0 && index < static_cast<int>(f.buttons.size()) ? index : -1;
}

void decodeChoice(const ParameterField& f, int byte, ParameterForm& form) {
    const int index = buttonFor(f, byte);
    if (f.namesUnit && index >= 0) form.showHardnessUnit(index);
    form.setRadioIndex(f.page, f.buttons, index);
}

void decodeBits(const ParameterField& f, int byte, ParameterForm& form) {
    for (std::size_t bit = 0; bit < f.buttons.size(); ++bit)
        if (f.buttons[bit] != 0) form.setChecked(f.page, f.buttons[bit], (byte >> bit) & 1);
}

void decodeField(const ParameterField& f, const std::string& r, ParameterForm& form) {
    using devlink::decodeByte;
    switch (f.kind) {
        case FieldKind::Float:
            form.setMaskText(f.page, f.control,
                             maskCharacters(f.format, devlink::decodeFloat(r, f.offset)));
            break;
        case FieldKind::Word16:
            form.setMaskText(f.page, f.control,
                             printed(f.format, devlink::decodeWord16(r, f.offset)));
            break;
        case FieldKind::Byte:
            form.setMaskText(f.page, f.control, printed(f.format, decodeByte(r, f.offset)));
            break;
        case FieldKind::Time:
            form.setMaskText(
                f.page, f.control,
                printed(f.format, decodeByte(r, f.offset) * 100 + decodeByte(r, f.offset + 2)));
            break;
        case FieldKind::Choice:
            decodeChoice(f, decodeByte(r, f.offset), form);
            break;
        case FieldKind::Check:
            form.setChecked(f.page, f.control, decodeByte(r, f.offset) != 0);
            break;
        case FieldKind::Bits:
            decodeBits(f, decodeByte(r, f.offset), form);
            break;
    }
}

void decodeSms(const SmsLayout& s, const std::string& r, ParameterForm& form) {
    using devlink::decodeText;
    form.setText(s.page, s.dialNumberControl, cutAtBlank(decodeText(r, s.dialNumber, 20)));
    form.setText(s.page, s.prefixControl, cutAtBlank(decodeText(r, s.prefix, 4)));
    const std::string access = cutAtBlank(decodeText(r, s.accessNumber, 20));
    form.setText(s.page, s.accessNumberControl, access.empty() ? "-" : access);
    form.setText(s.page, s.extraTextControl, withoutTrailingBlanks(decodeText(r, s.extraText, 30)));
    const std::uint32_t flags = devlink::decodeWord32(r, s.flags);
    for (std::size_t bit = 0; bit < s.flagBoxes.size(); ++bit)
        if (s.flagBoxes[bit] != 0) form.setChecked(s.page, s.flagBoxes[bit], (flags >> bit) & 1u);
}

long readInteger(const std::string& text) {
    return std::strtol(text.c_str(), nullptr, 10);
}

void encodeChoice(const ParameterField& f, const ParameterForm& form, std::string& r) {
    const int index = form.radioIndex(f.page, f.buttons);
    int byte = f.noneValue;
    if (index >= 0) byte = f.values.empty() ? index : f.values.at(static_cast<std::size_t>(index));
    if (byte >= 0) devlink::putField(r, f.offset, devlink::encodeByte(static_cast<unsigned>(byte)));
}

// Bits without a box keep what the unit sent.
void encodeBits(const ParameterField& f, const ParameterForm& form, std::string& r) {
    unsigned byte = devlink::decodeByte(r, f.offset);
    for (std::size_t bit = 0; bit < f.buttons.size(); ++bit) {
        if (f.buttons[bit] == 0) continue;
        byte &= ~(1u << bit);
        if (form.isChecked(f.page, f.buttons[bit])) byte |= 1u << bit;
    }
    devlink::putField(r, f.offset, devlink::encodeByte(byte));
}

void encodeField(const ParameterField& f, const ParameterForm& form, std::string& r) {
    using devlink::encodeByte;
    using devlink::putField;
    switch (f.kind) {
        case FieldKind::Float: {
            double value = 0;
            if (readFloatText(form.maskWindowText(f.page, f.control), value))
                putField(r, f.offset, devlink::encodeFloat(value));
            break;
        }
        case FieldKind::Word16:
            putField(r, f.offset,
                     devlink::encodeWord16(readInteger(form.maskWindowText(f.page, f.control))));
            break;
        case FieldKind::Byte:
            putField(r, f.offset, encodeByte(readInteger(form.maskWindowText(f.page, f.control))));
            break;
        case FieldKind::Time: {
            const long n = readInteger(form.maskCharacters(f.page, f.control));
            const long hour = n / 100;
            putField(r, f.offset, encodeByte(hour));
            putField(r, f.offset + 2, encodeByte(n - 100 * hour));
            break;
        }
        case FieldKind::Choice:
            encodeChoice(f, form, r);
            break;
        case FieldKind::Check:
            putField(r, f.offset, encodeByte(form.isChecked(f.page, f.control) ? 1 : 0));
            break;
        case FieldKind::Bits:
            encodeBits(f, form, r);
            break;
    }
}

void encodeSms(const SmsLayout& s, const ParameterForm& form, std::string& r) {
    using devlink::encodeText;
    using devlink::putField;
    putField(r, s.dialNumber, encodeText(form.text(s.page, s.dialNumberControl), 20));
    putField(r, s.prefix, encodeText(form.text(s.page, s.prefixControl), 4));
    // "-" only stands for an empty access number on the page.
    const std::string access = form.text(s.page, s.accessNumberControl);
    putField(r, s.accessNumber, encodeText(access == "-" ? "" : access, 20));
    putField(r, s.extraText, encodeText(form.text(s.page, s.extraTextControl), 30));
    std::uint32_t flags = 0;
    for (std::size_t bit = 0; bit < s.flagBoxes.size(); ++bit)
        if (s.flagBoxes[bit] != 0 && form.isChecked(s.page, s.flagBoxes[bit])) flags |= 1u << bit;
    putField(r, s.flags, devlink::encodeWord32(flags));
}

}  // namespace

int byteIsIndex(int byte) {
    return byte;
}

int contactButton(int byte) {
    return byte == 0 ? 1 : 0;
}

std::string maskCharacters(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    std::string characters = text;
    devlink::removeDecimalSeparator(characters);
    return characters;
}

// As "%f" of the C library reads, into a float, whatever locale the
// desktop runs in. The unit holds the single-precision value nearest to
// what was typed (0.1 is 3DCCCCCD); reading into a float first gives the
// truncating encoder exactly that value, so a field left as it was read
// goes back to the unit bit for bit.
bool readFloatText(std::string text, double& value) {
    if (text.size() > kFloatTextChars) text.resize(kFloatTextChars);
    devlink::pointDecimalSeparator(text);
    std::size_t at = text.find_first_not_of(" \t\n\v\f\r");
    if (at == std::string::npos) return false;
    if (text[at] == '+') ++at;
    const char* begin = text.data() + at;
    float number = 0;
    const auto [stop, error] = std::from_chars(begin, text.data() + text.size(), number);
    if (error != std::errc() || stop == begin) return false;
    value = static_cast<double>(number);
    return true;
}

void decodeOneField(const ParameterField& field, const std::string& record, ParameterForm& form) {
    decodeField(field, record, form);
}

void encodeOneField(const ParameterField& field, const ParameterForm& form, std::string& record) {
    encodeField(field, form, record);
}

void decodeRecord(const RecordLayout& layout, const UnitRecord& record, ParameterForm& form) {
    for (const ParameterField& field : layout.fields) decodeField(field, record.text(), form);
    form.showSmsCapability(record.longForm());
    if (record.longForm()) decodeSms(layout.sms, record.text(), form);
}

const ParameterField* firstUnreadableFloat(const RecordLayout& layout, const ParameterForm& form) {
    for (const ParameterField& field : layout.fields) {
        double value = 0;
        if (field.kind == FieldKind::Float &&
            !readFloatText(form.maskWindowText(field.page, field.control), value))
            return &field;
    }
    return nullptr;
}

void encodeRecord(const RecordLayout& layout, const ParameterForm& form, UnitRecord& record) {
    std::string& text = record.text();
    for (const ParameterField& field : layout.fields) encodeField(field, form, text);
    if (record.longForm()) encodeSms(layout.sms, form, text);
}

}  // namespace controller
