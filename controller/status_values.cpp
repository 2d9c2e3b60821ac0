#include "controller/status_values.h"

#include <string>

#include "devlink/fields.h"

namespace controller {

namespace {

// The eight bits of a byte as "0" and "1": from bit 0 up, or from bit 7 down.
std::string bitsText(int byte, bool fromTop) {
    std::string text;
    for (int i = 0; i < 8; ++i) text += ((byte >> (fromTop ? 7 - i : i)) & 1) ? '1' : '0';
    return text;
}

UnitValue lampRow(const ValueLabel& label, int byte, bool fromTop) {
    return plainNumber(label, byte, bitsText(byte, fromTop));
}

int byteOf(const UnitValues& values, std::string_view name) {
    return static_cast<int>(valueNamed(values, name).number);
}

}  // namespace

void appendCommonStatus(UnitValues& values, std::string_view area, const CommonStatusOffsets& at) {
    using devlink::decodeByte;
    const std::uint32_t hours = devlink::decodeWord32(area, at.operationHours);
    values.push_back(plainNumber({"operation_hours", "Betriebsstunden", "operation hours", "h"},
                                 hours, std::to_string(hours)));
    values.push_back(plainText({"last_access", "Letzter Zugriff", "last access"},
                               lastAccessText(area, at.lastAccessHour)));
    values.push_back(lampRow({"lamps_functions", "Funktionen", "functions"},
                             decodeByte(area, at.functions), false));
    values.push_back(
        lampRow({"lamps_inputs", "Eing\u00E4nge", "inputs"}, decodeByte(area, at.inputs), false));
    values.push_back(
        lampRow({"lamps_outputs", "Ausg\u00E4nge", "outputs"}, decodeByte(area, at.outputs), true));
    values.push_back(lampRow({"blink", "Blinken", "blinking"}, decodeByte(area, at.blink), false));
}

LampBits lampBitsOf(const UnitValues& values) {
    return lampBits(byteOf(values, "lamps_functions"), byteOf(values, "lamps_inputs"),
                    byteOf(values, "lamps_outputs"));
}

int blinkByteOf(const UnitValues& values) {
    return byteOf(values, "blink");
}

}  // namespace controller
