// The status of each kind of unit as text and as JSON: the JSON checked
// against the shape the manual page documents, its numbers against what
// the simulated unit holds.
#include <gtest/gtest.h>

#include <set>

#include "json_value.h"
#include "tool_fixture.h"

using testsupport::JsonValue;
using testsupport::unitConfig;
using unitsim::UnitKind;

namespace {

const std::set<std::string> kTypes = {"number", "choice", "flag", "text"};

// A value object: name, label, type, value of its type (or null), unit, shown.
void expectValueShape(const JsonValue& value) {
    ASSERT_EQ(value.type, JsonValue::Object);
    for (const char* key : {"name", "label", "type", "unit", "shown"})
        EXPECT_EQ(value[key].type, JsonValue::String) << key;
    const std::string& type = value["type"].text;
    EXPECT_TRUE(kTypes.count(type)) << type;
    const JsonValue::Type expected = type == "number" ? JsonValue::Number
                                     : type == "flag" ? JsonValue::Bool
                                                      : JsonValue::String;
    EXPECT_TRUE(value["value"].type == expected || value["value"].type == JsonValue::Null)
        << value["name"].text;
    if (type == "choice") {
        EXPECT_EQ(value["options"].type, JsonValue::Array);
    }
}

std::map<std::string, JsonValue> byName(const JsonValue& values) {
    std::map<std::string, JsonValue> named;
    for (const JsonValue& value : values.items) named[value["name"].text] = value;
    return named;
}

void expectLampRows(const JsonValue& lamps) {
    ASSERT_EQ(lamps.type, JsonValue::Object);
    EXPECT_EQ(lamps.order, (std::vector<std::string>{"functions", "inputs", "outputs"}));
    for (const std::string& row : lamps.order) {
        ASSERT_EQ(lamps[row].items.size(), 8u) << row;
        for (const JsonValue& lamp : lamps[row].items) {
            EXPECT_EQ(lamp["name"].type, JsonValue::String);
            EXPECT_EQ(lamp["label"].type, JsonValue::String);
            EXPECT_EQ(lamp["on"].type, JsonValue::Bool);
            EXPECT_EQ(lamp["blinking"].type, JsonValue::Bool);
        }
    }
}

struct ControllerCase {
    const char* kind;
    UnitKind unit;
    std::vector<std::string> names;  // values every status of the kind holds
    bool plantType;
};

}  // namespace

class ToolStatus : public testsupport::ToolTest {};

TEST_F(ToolStatus, ControllerStatusAsJsonHasTheDocumentedShape) {
    const ControllerCase cases[] = {
        {"softener",
         UnitKind::Softener,
         {"plant_status", "regeneration_stage", "remaining_time", "residual_capacity",
          "total_hardness", "water_meter_1", "water_meter_2", "operation_hours", "last_access"},
         true},
        {"osmosis",
         UnitKind::Osmosis,
         {"plant_status", "conductivity", "temperature", "pressure", "permeate_meter",
          "concentrate_meter", "operation_hours", "last_access", "calibration_factor"},
         false},
    };
    for (const ControllerCase& c : cases) {
        SCOPED_TRACE(c.kind);
        bindUnit("COM5", unitConfig(c.unit));
        const auto result = testsupport::runTool(on("COM5", c.kind, {"--json", "status"}));
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const auto json = testsupport::readJson(result.out);
        ASSERT_TRUE(json) << result.out;
        EXPECT_EQ(json->order, (std::vector<std::string>{"kind", "serial", "plant_type", "values",
                                                         "lamps", "alarm"}));
        EXPECT_EQ((*json)["kind"].text, c.kind);
        EXPECT_EQ((*json)["serial"].text, "123456");
        EXPECT_EQ((*json)["plant_type"].type, c.plantType ? JsonValue::Object : JsonValue::Null);
        std::vector<std::string> names;
        for (const JsonValue& value : (*json)["values"].items) {
            expectValueShape(value);
            names.push_back(value["name"].text);
        }
        EXPECT_EQ(names, c.names);
        expectLampRows((*json)["lamps"]);
        EXPECT_EQ((*json)["alarm"].type, JsonValue::Bool);
        units.clear();
    }
}

// Numbers are numbers with the page's decimals, whatever the locale; units
// are named; the plant status carries its code.
TEST_F(ToolStatus, SoftenerValuesAreTheUnitsWithTheirUnits) {
    bindUnit("COM5", unitConfig(UnitKind::Softener));
    const auto result = testsupport::runTool(on("COM5", "softener", {"--json", "status"}));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto json = testsupport::readJson(result.out);
    ASSERT_TRUE(json);
    auto values = byName((*json)["values"]);
    EXPECT_EQ(values["total_hardness"]["value"].text, "8.4");
    EXPECT_EQ(values["total_hardness"]["shown"].text, "008,4");
    EXPECT_EQ(values["total_hardness"]["unit"].text, "\u00B0dH");
    EXPECT_EQ(values["residual_capacity"]["unit"].text, "m\u00B3\u00B0dH");
    EXPECT_EQ(values["plant_status"]["value"].text, "F1 Betrieb");
    EXPECT_EQ(values["plant_status"]["code"].number, 2);
    EXPECT_EQ((*json)["plant_type"]["name"].text, "one_filter");
    EXPECT_EQ((*json)["plant_type"]["label"].text, "Einfilter");

    const auto english = testsupport::runTool(on("COM5", "softener", {"--english", "status"}));
    ASSERT_EQ(english.exitCode, 0) << english.err;
    EXPECT_NE(english.out.find("status of plant"), std::string::npos) << english.out;
    EXPECT_NE(english.out.find("F1 Service"), std::string::npos);
    EXPECT_NE(english.out.find("008,4 \u00B0dH"), std::string::npos);
    EXPECT_EQ(english.out.rfind("Aquendor\u00AE KSV2 123456, one filter\n", 0), 0u) << english.out;
}

// An alarm lights the red lamp and makes it blink; the summary says so.
TEST_F(ToolStatus, AnAlarmIsOnTheRedLamp) {
    unitsim::Simulator& sim = bindUnit("COM5", unitConfig(UnitKind::Softener));
    sim.raiseAlarm(true);
    const auto result = testsupport::runTool(on("COM5", "softener", {"--json", "status"}));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto json = testsupport::readJson(result.out);
    ASSERT_TRUE(json);
    EXPECT_TRUE((*json)["alarm"].flag);
    const JsonValue& alarmLamp = (*json)["lamps"]["functions"].items.at(7);
    EXPECT_EQ(alarmLamp["name"].text, "alarm");
    EXPECT_TRUE(alarmLamp["on"].flag || alarmLamp["blinking"].flag);
}

TEST_F(ToolStatus, MeasuringStatusAndValueHaveTheDocumentedShape) {
    bindUnit("COM7", [] {
        auto config = unitConfig(UnitKind::Measuring);
        config.variant = 2;
        return config;
    }());
    for (const char* command : {"status", "value"}) {
        SCOPED_TRACE(command);
        const auto result = testsupport::runTool(on("COM7", "measuring", {"--json", command}));
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const auto json = testsupport::readJson(result.out);
        ASSERT_TRUE(json) << result.out;
        EXPECT_EQ(json->order, (std::vector<std::string>{"kind", "serial", "device", "variant",
                                                         "values", "shown"}));
        EXPECT_EQ((*json)["kind"].text, "measuring");
        EXPECT_EQ((*json)["device"].text, "Vantiqo pH");
        EXPECT_EQ((*json)["variant"].number, 2);
        const JsonValue& values = (*json)["values"];
        ASSERT_EQ(values.items.size(), 2u);
        EXPECT_EQ(values.items[0]["name"].text, "measured_value");
        EXPECT_EQ(values.items[0]["value"].type, JsonValue::Number);
        EXPECT_EQ(values.items[0]["unit"].text, "pH");
        EXPECT_EQ(values.items[1]["name"].text, "temperature");
        EXPECT_EQ(values.items[1]["unit"].text, "\u00B0C");
        EXPECT_EQ((*json)["shown"].text.rfind("pH ", 0), 0u);
    }
    units["COM7"]->setTemperatureMissing(true);
    const auto without = testsupport::runTool(on("COM7", "measuring", {"--json", "value"}));
    const auto json = testsupport::readJson(without.out);
    ASSERT_TRUE(json) << without.out;
    EXPECT_EQ((*json)["values"].items[1]["value"].type, JsonValue::Null);
}

// The parameters by page and name, each with its page and whether a write
// sends it.
TEST_F(ToolStatus, ParametersAsJson) {
    bindUnit("COM5", unitConfig(UnitKind::Softener));
    const auto result = testsupport::runTool(on("COM5", "softener", {"--json", "params"}));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto json = testsupport::readJson(result.out);
    ASSERT_TRUE(json) << result.out;
    EXPECT_EQ((*json)["form"].text, "long");
    int page = 0;
    for (const JsonValue& value : (*json)["parameters"].items) {
        expectValueShape(value);
        EXPECT_GE(value["page"].number, page) << "page by page";
        page = static_cast<int>(value["page"].number);
        EXPECT_EQ(value["settable"].type, JsonValue::Bool);
    }
    auto values = byName((*json)["parameters"]);
    EXPECT_EQ(values["stage_count"]["value"].number, 5);
    EXPECT_EQ(values["plant_type"]["value"].text, "one_filter");
    EXPECT_EQ(values["sms_access_number"]["settable"].flag, false);
}
