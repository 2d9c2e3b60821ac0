#include "softener/parameter_record.h"

#include <cstdio>
#include <cstdlib>

#include "devlink/fields.h"

namespace softener {

namespace {

constexpr std::size_t kAnswerHead = 4;  // "DPI|"
constexpr std::size_t kFirstCut = 7;    // what ends the first answer
constexpr std::size_t kLongAnswer = 415;

std::string middle(const std::string& answer, std::size_t cut) {
    if (answer.size() < kAnswerHead + cut) return {};
    return answer.substr(kAnswerHead, answer.size() - kAnswerHead - cut);
}

std::string printed(const char* format, long value) {
    char text[32];
    std::snprintf(text, sizeof text, format, static_cast<int>(value));
    return text;
}

// "%f" reading of a field text with its commas made points.
bool readFloat(std::string text, double& value) {
    if (text.size() > 9) text.resize(9);
    devlink::pointDecimalSeparator(text);
    float number = 0;
    if (std::sscanf(text.c_str(), "%f", &number) != 1) return false;
    value = number;
    return true;
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
        case FieldKind::PlantType: {
            const int value = decodeByte(r, f.offset);
            const int index = value == 8 ? 3 : value / 2;
            form.setRadioIndex(f.page, f.buttons, index < 4 ? index : -1);
            break;
        }
        case FieldKind::HardnessUnit: {
            const int unit = decodeByte(r, f.offset);
            if (unit <= 2) form.showHardnessUnit(unit);
            [[fallthrough]];
        }
        case FieldKind::Radio: {
            const int index = decodeByte(r, f.offset);
            form.setRadioIndex(f.page, f.buttons,
                               index < static_cast<int>(f.buttons.size()) ? index : -1);
            break;
        }
        case FieldKind::Contact:
            form.setRadioIndex(f.page, f.buttons, decodeByte(r, f.offset) == 0 ? 1 : 0);
            break;
        case FieldKind::Check:
            form.setChecked(f.page, f.control, decodeByte(r, f.offset) != 0);
            break;
    }
}

void decodeSms(const std::string& r, ParameterForm& form) {
    using devlink::decodeText;
    form.setText(4, 1034, cutAtBlank(decodeText(r, sms::kDialNumber, 20)));
    form.setText(4, 1318, cutAtBlank(decodeText(r, sms::kPrefix, 4)));
    const std::string access = cutAtBlank(decodeText(r, sms::kAccessNumber, 20));
    form.setText(4, 1319, access.empty() ? "-" : access);
    form.setText(4, 1291, withoutTrailingBlanks(decodeText(r, sms::kExtraText, 30)));
    const std::uint32_t flags = devlink::decodeWord32(r, sms::kFlags);
    for (int bit = 0; bit < 14; ++bit)
        if (sms::kFlagBoxes[bit] != 0)
            form.setChecked(4, sms::kFlagBoxes[bit], (flags >> bit) & 1u);
    const bool interval = devlink::decodeByte(r, sms::kIntervalOn) & 1u;
    form.setChecked(1, 1156, interval);
    form.setEnabled(1, 1122, interval);
}

long readInteger(const std::string& text) {
    return std::strtol(text.c_str(), nullptr, 10);
}

void encodeField(const ParameterField& f, const ParameterForm& form, std::string& r) {
    using devlink::encodeByte;
    using devlink::putField;
    switch (f.kind) {
        case FieldKind::Float: {
            double value = 0;
            if (readFloat(form.maskWindowText(f.page, f.control), value))
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
        case FieldKind::PlantType: {
            const int index = form.radioIndex(f.page, f.buttons);
            if (index >= 0) putField(r, f.offset, encodeByte(1u << index));
            break;
        }
        case FieldKind::Radio:
        case FieldKind::HardnessUnit: {
            const int index = form.radioIndex(f.page, f.buttons);
            if (index >= 0) putField(r, f.offset, encodeByte(index));
            break;
        }
        case FieldKind::Contact: {
            const int index = form.radioIndex(f.page, f.buttons);
            if (index >= 0) putField(r, f.offset, encodeByte(index == 0 ? 1 : 0));
            break;
        }
        case FieldKind::Check:
            putField(r, f.offset, encodeByte(form.isChecked(f.page, f.control) ? 1 : 0));
            break;
    }
}

void encodeSms(const ParameterForm& form, std::string& r) {
    using devlink::encodeText;
    using devlink::putField;
    putField(r, sms::kDialNumber, encodeText(form.text(4, 1034), 20));
    putField(r, sms::kPrefix, encodeText(form.text(4, 1318), 4));
    // "-" only stands for an empty access number on the page.
    const std::string access = form.text(4, 1319);
    putField(r, sms::kAccessNumber, encodeText(access == "-" ? "" : access, 20));
    putField(r, sms::kExtraText, encodeText(form.text(4, 1291), 30));
    std::uint32_t flags = 0;
    for (int bit = 0; bit < 14; ++bit)
        if (sms::kFlagBoxes[bit] != 0 && form.isChecked(4, sms::kFlagBoxes[bit]))
            flags |= 1u << bit;
    putField(r, sms::kFlags, devlink::encodeWord32(flags));
    putField(r, sms::kIntervalOn, devlink::encodeByte(form.isChecked(1, 1156) ? 1 : 0));
}

}  // namespace

bool ParameterRecord::takeFirstAnswer(const std::string& answer) {
    longForm_ = answer.size() == kLongAnswer;
    text_ = middle(answer, kFirstCut);
    return !answer.empty() && answer[0] == ' ';
}

void ParameterRecord::takeSecondAnswer(const std::string& answer, std::size_t cut) {
    text_ += middle(answer, cut);
}

std::string maskCharacters(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    std::string characters = text;
    devlink::removeDecimalSeparator(characters);
    return characters;
}

void decodeParameters(const ParameterRecord& record, ParameterForm& form) {
    for (const ParameterField& field : shortFormFields()) decodeField(field, record.text(), form);
    form.showSmsCapability(record.longForm());
    if (record.longForm()) decodeSms(record.text(), form);
}

const ParameterField* firstUnreadableFloat(const ParameterForm& form) {
    for (const ParameterField& field : shortFormFields()) {
        double value = 0;
        if (field.kind == FieldKind::Float &&
            !readFloat(form.maskWindowText(field.page, field.control), value))
            return &field;
    }
    return nullptr;
}

void encodeParameters(const ParameterForm& form, ParameterRecord& record) {
    std::string& text = record.text();
    for (const ParameterField& field : shortFormFields()) encodeField(field, form, text);
    if (record.longForm()) encodeSms(form, text);
}

}  // namespace softener
