#include "cli/status_output.h"

#include <algorithm>

#include "cli/json_writer.h"
#include "cli/value_output.h"
#include "controller/status_values.h"

namespace cli {

namespace {

using controller::UnitValue;

// The status area's values shown as values; the lamp rows and the blink
// byte are shown as lamps.
bool isLampByte(const UnitValue& value) {
    return value.name == "lamps_functions" || value.name == "lamps_inputs" ||
           value.name == "lamps_outputs" || value.name == "blink";
}

const char* const kRowNames[3] = {"functions", "inputs", "outputs"};
const char* const kRowGerman[3] = {"Funktionen", "Eing\u00E4nge", "Ausg\u00E4nge"};

struct Lamp {
    const LampName& name;
    bool on;
    bool blinking;
};

std::vector<Lamp> lampsOf(const ControllerStatus& status, int row) {
    const controller::LampBits bits = controller::lampBitsOf(status.values);
    const int blink = controller::blinkByteOf(status.values) & status.kind.blinkBits;
    std::vector<Lamp> lamps;
    for (int i = 0; i < 8; ++i)
        lamps.push_back({status.kind.lamps[row][i], bits[row * 8 + i] != 0,
                         row == 0 && ((blink >> i) & 1) != 0});
    return lamps;
}

const UnitValue* plantType(const ControllerStatus& status) {
    const UnitValue* type = controller::findValue(status.parameters, "plant_type");
    return type && type->choice >= 0 ? type : nullptr;
}

// "Einfilter", "one filter": the choice as the page names it.
std::string plantTypeShown(const UnitValue& type, bool english) {
    return type.shown.in(english);
}

}  // namespace

bool alarmOn(const ControllerStatus& status) {
    const std::vector<Lamp> functions = lampsOf(status, 0);
    return functions[7].on || functions[7].blinking;
}

std::string statusText(const ControllerStatus& status, bool english) {
    std::size_t width = 0;
    for (const UnitValue& value : status.values)
        if (!isLampByte(value)) width = std::max(width, characters(value.label.in(english)));
    std::string text = std::string(status.kind.caption) + " " + status.serial;
    if (const UnitValue* type = plantType(status)) text += ", " + plantTypeShown(*type, english);
    text += "\n";
    for (const UnitValue& value : status.values)
        if (!isLampByte(value)) text += valueLine(value, english, width);
    text += english ? "lamps on:\n" : "Lampen an:\n";
    for (int row = 0; row < 3; ++row) {
        std::string on;
        for (const Lamp& lamp : lampsOf(status, row)) {
            if (!lamp.on && !lamp.blinking) continue;
            if (!on.empty()) on += ", ";
            on += english ? lamp.name.english : lamp.name.german;
            if (lamp.blinking) on += english ? " (blinking)" : " (blinkt)";
        }
        text += "  " + padded(english ? kRowNames[row] : kRowGerman[row], width - 2) + "  " +
                (on.empty() ? "-" : on) + "\n";
    }
    return text;
}

std::string statusJson(const ControllerStatus& status, bool english, const std::string& time) {
    JsonWriter json;
    json.beginObject();
    if (!time.empty()) json.field("time", time);
    json.field("kind", kindName(status.kind.kind));
    json.field("serial", status.serial);
    json.key("plant_type");
    if (const UnitValue* type = plantType(status)) {
        json.beginObject();
        json.field("name", type->text);
        json.field("label", plantTypeShown(*type, english));
        json.endObject();
    } else {
        json.null();
    }
    json.key("values").beginArray();
    for (const UnitValue& value : status.values) {
        if (isLampByte(value)) continue;
        beginValueObject(json, value, english);
        if (value.name == "plant_status")
            json.key("code").integer(static_cast<long long>(value.number));
        json.endObject();
    }
    json.endArray();
    json.key("lamps").beginObject();
    for (int row = 0; row < 3; ++row) {
        json.key(kRowNames[row]).beginArray();
        for (const Lamp& lamp : lampsOf(status, row)) {
            json.beginObject();
            json.field("name", lamp.name.name);
            json.field("label", english ? lamp.name.english : lamp.name.german);
            json.key("on").boolean(lamp.on);
            json.key("blinking").boolean(lamp.blinking);
            json.endObject();
        }
        json.endArray();
    }
    json.endObject();
    json.key("alarm").boolean(alarmOn(status));
    json.endObject();
    return json.text() + "\n";
}

namespace {

struct VariantUnit {
    const char* unit;
    int decimals;
};

VariantUnit variantUnit(char variant) {
    switch (variant) {
        case '1':
            return {"\u00B5S/cm", 1};
        case '2':
            return {"pH", 2};
        case '3':
            return {"mV", 1};
        case '4':
        case '5':
        case '6':
            return {"mg/l", 1};
        default:
            return {"", 1};
    }
}

}  // namespace

bool hasTemperature(const measuring::MeasuredValue& measured) {
    return measured.temperature != -1.0;
}

std::string measuringText(const MeasuringStatus& status, bool english) {
    const std::string device = status.device.empty() ? "Vantiqo" : status.device;
    return device + " " + status.serial + "\n" + (english ? "measured value  " : "Messwert  ") +
           measuring::measuredValueText(status.variant, status.measured) + "\n";
}

int measuredDecimals(char variant) {
    return variantUnit(variant).decimals;
}

const char* measuredUnit(char variant) {
    return variantUnit(variant).unit;
}

std::string measuringJson(const MeasuringStatus& status, bool english, const std::string& time) {
    const VariantUnit unit = variantUnit(status.variant);
    JsonWriter json;
    json.beginObject();
    if (!time.empty()) json.field("time", time);
    json.field("kind", "measuring");
    json.field("serial", status.serial);
    json.key("device");
    if (status.device.empty())
        json.null();
    else
        json.string(status.device);
    json.key("variant");
    if (status.variant >= '1' && status.variant <= '6')
        json.integer(status.variant - '0');
    else
        json.null();
    json.key("values").beginArray();
    json.beginObject().field("name", "measured_value");
    json.field("label", english ? "measured value" : "Messwert").key("value");
    json.number(status.measured.value, unit.decimals).field("unit", unit.unit).endObject();
    json.beginObject().field("name", "temperature");
    json.field("label", english ? "temperature" : "Temperatur").key("value");
    if (hasTemperature(status.measured))
        json.number(status.measured.temperature, 1);
    else
        json.null();
    json.field("unit", "\u00B0C").endObject();
    json.endArray();
    json.field("shown", measuring::measuredValueText(status.variant, status.measured));
    json.endObject();
    return json.text() + "\n";
}

}  // namespace cli
