// The status areas of both units as named values: each value shows the
// text the status page showed for the same area (the window tests' texts
// and the units' edge cases), and a plant status without a text is not
// present, so that the page keeps what it showed.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <utility>
#include <vector>

#include "controller/status_values.h"
#include "osmosis/status_record.h"
#include "osmosis/status_values.h"
#include "softener/parameter_layout.h"
#include "softener/status_record.h"
#include "softener/status_values.h"
#include "value_records.h"

using valuetests::putByte;
using valuetests::putFloat;

namespace {

using Shown = std::vector<std::pair<const char*, const char*>>;  // name, German text

void expectShown(const controller::UnitValues& values, const Shown& shown, bool english) {
    for (const auto& [name, text] : shown) {
        const controller::UnitValue* value = controller::findValue(values, name);
        ASSERT_NE(value, nullptr) << name;
        EXPECT_TRUE(value->present) << name;
        EXPECT_EQ(value->shown.in(english), text) << name;
    }
}

void expectAbsent(const controller::UnitValues& values, const std::vector<const char*>& names) {
    for (const char* name : names)
        EXPECT_FALSE(controller::valueNamed(values, name).present) << name;
}

struct SoftenerCase {
    const char* what;
    std::function<void(std::string& area, std::string& record)> set;
    bool measuredHardness;
    Shown german;
    Shown english;
    std::vector<const char*> absent;
};

void plantType(std::string& record, unsigned type) {
    putByte(record, 108, type);
}

const std::vector<SoftenerCase> kSoftenerCases = {
    {"filter 1 regenerating in stage 3",
     [](std::string& a, std::string& r) {
         plantType(r, 1);
         putByte(a, 172, 3);
         putByte(a, 174, 12);
     },
     false,
     {{"plant_status", "F1 Regeneration"}, {"regeneration_stage", "3"}, {"remaining_time", "12"}},
     {{"plant_status", "F1 Regeneration"}},
     {}},
    {"change-over plant, filter 2 regenerating",
     [](std::string& a, std::string& r) {
         plantType(r, 2);
         putByte(a, 176, 5);
         putByte(a, 178, 7);
     },
     false,
     {{"plant_status", "F1 Betrieb, F2 Regeneration"},
      {"regeneration_stage", "5"},
      {"remaining_time", " 7"}},
     {{"plant_status", "F1 Service, F2 Regeneration"}},
     {}},
    {"the stop input wins and resets the stage",
     [](std::string& a, std::string& r) {
         plantType(r, 1);
         putByte(a, 172, 3);
         putByte(a, 166, 0x20);
     },
     false,
     {{"plant_status", "Stop"}, {"regeneration_stage", "0"}, {"remaining_time", "00"}},
     {{"plant_status", "Stop"}},
     {}},
    {"one filter at rest: no code, nothing of it shown",
     [](std::string&, std::string& r) { plantType(r, 1); },
     false,
     {{"last_access", "00.00.00 00:00"}},
     {},
     {"plant_status", "regeneration_stage", "remaining_time"}},
    {"a capacity too wide for the mask keeps its first five digits",
     [](std::string& a, std::string&) { putFloat(a, 8, 12345.6); },
     false,
     {{"residual_capacity", "1234,5"}},
     {},
     {}},
    {"hardness from the parameter, in the record's unit",
     [](std::string& a, std::string& r) {
         putFloat(r, 0, 8.4);
         putFloat(a, 48, 12.5);
     },
     false,
     {{"total_hardness", "008,4"}},
     {},
     {}},
    {"hardness measured",
     [](std::string& a, std::string& r) {
         putFloat(r, 0, 8.4);
         putFloat(a, 48, 12.5);
     },
     true,
     {{"total_hardness", "012,5"}},
     {},
     {}},
    {"meter 1 blank-padded, meter 2 zero-padded, both in m3",
     [](std::string& a, std::string&) {
         putFloat(a, 72, 1234567);
         putFloat(a, 80, 1234567);
     },
     false,
     {{"water_meter_1", " 1234,6"}, {"water_meter_2", "01234,6"}},
     {},
     {}},
    {"hours, last access, lamp rows and blink byte",
     [](std::string& a, std::string&) {
         devlink::putField(a, 120, devlink::encodeWord32(123456));
         for (auto [offset, byte] : {std::pair{148u, 9u},
                                     {150u, 5u},
                                     {154u, 7u},
                                     {156u, 12u},
                                     {158u, 26u},
                                     {162u, 0x81u},
                                     {164u, 0x03u},
                                     {166u, 0x01u},
                                     {186u, 0x81u}})
             putByte(a, offset, byte);
     },
     false,
     {{"operation_hours", "123456"},
      {"last_access", "07.12.26 09:05"},
      {"lamps_outputs", "10000001"},
      {"lamps_functions", "11000000"},
      {"lamps_inputs", "10000000"},
      {"blink", "10000001"}},
     {},
     {}},
};

void PrintTo(const SoftenerCase& c, std::ostream* os) {
    *os << c.what;
}

class SoftenerStatusValues : public ::testing::TestWithParam<SoftenerCase> {};

}  // namespace

TEST_P(SoftenerStatusValues, ShowWhatTheStatusPageShowed) {
    const SoftenerCase& c = GetParam();
    std::string area = valuetests::zeroArea(softener::kStatusLength);
    std::string record = valuetests::zeroArea(softener::kShortRecordLength);
    c.set(area, record);
    const controller::UnitValues values = softener::statusValues(
        area, valuetests::unitRecord(softener::softenerLayout(), record, false),
        c.measuredHardness);
    expectShown(values, c.german, false);
    expectShown(values, c.english, true);
    expectAbsent(values, c.absent);
}

INSTANTIATE_TEST_SUITE_P(Cases, SoftenerStatusValues, ::testing::ValuesIn(kSoftenerCases));

TEST(SoftenerStatus, UnitsFollowTheHardnessUnitAndTheBoxPicksTheHardness) {
    std::string area = valuetests::zeroArea(softener::kStatusLength);
    std::string record = valuetests::zeroArea(softener::kShortRecordLength);
    putFloat(area, 48, 12.5);
    putByte(record, 114, 1);  // °f
    putByte(record, 116, 1);  // the hardness is measured
    const controller::UnitValues values = softener::statusValues(
        area, valuetests::unitRecord(softener::softenerLayout(), record, false));
    EXPECT_EQ(controller::valueNamed(values, "residual_capacity").unit.german, "m\u00B3\u00B0f");
    EXPECT_EQ(controller::valueNamed(values, "total_hardness").unit.english, "\u00B0f");
    EXPECT_EQ(controller::valueNamed(values, "total_hardness").shown.german, "012,5");
    EXPECT_EQ(controller::valueNamed(values, "water_meter_1").unit.german, "m\u00B3");
    // The lamps the page lights are those of the rows' bytes.
    EXPECT_EQ(controller::lampBitsOf(values), softener::lampBits(area));
}

namespace {

struct OsmosisCase {
    const char* what;
    std::function<void(std::string& area)> set;
    Shown shown;
    std::vector<const char*> absent;
};

const std::vector<OsmosisCase> kOsmosisCases = {
    {"the status page's read",
     [](std::string& a) {
         putFloat(a, 0, 12.5);
         putFloat(a, 8, 100.0);  // the "##" keeps 10
         putFloat(a, 48, 123.25);
         putFloat(a, 24, 0.98765);
         putByte(a, 96, 4);
         putByte(a, 98, 0x81);
         putByte(a, 104, 0x01);
     },
     {{"conductivity", "0012,50"},
      {"temperature", "10"},
      {"permeate_meter", "0123,2500"},
      {"plant_status", "Sp\u00FClen"},
      {"calibration_factor", "0,98765"},
      {"lamps_outputs", "10000001"},
      {"blink", "10000000"}},
     {}},
    {"an unknown plant-status code leaves the text",
     [](std::string& a) {
         putByte(a, 96, 3);
         putFloat(a, 40, 5.0);
         putFloat(a, 56, 7.5);
     },
     {{"pressure", "05"}, {"concentrate_meter", "0007,5000"}, {"operation_hours", "0"}},
     {"plant_status"}},
};

void PrintTo(const OsmosisCase& c, std::ostream* os) {
    *os << c.what;
}

class OsmosisStatusValues : public ::testing::TestWithParam<OsmosisCase> {};

}  // namespace

TEST_P(OsmosisStatusValues, ShowWhatTheStatusPageShowed) {
    const OsmosisCase& c = GetParam();
    std::string area = valuetests::zeroArea(osmosis::kStatusLength);
    c.set(area);
    const controller::UnitValues values = osmosis::statusValues(area);
    expectShown(values, c.shown, false);
    expectShown(values, c.shown, true);  // the unit's texts have no English form
    expectAbsent(values, c.absent);
    EXPECT_EQ(controller::lampBitsOf(values), osmosis::lampBits(area));
}

INSTANTIATE_TEST_SUITE_P(Cases, OsmosisStatusValues, ::testing::ValuesIn(kOsmosisCases));

TEST(OsmosisStatus, TheCalibrationFactorIsHandedToItsFieldWithoutThePoint) {
    std::string area = valuetests::zeroArea(osmosis::kStatusLength);
    putFloat(area, 24, 0.98765);
    const controller::UnitValues values = osmosis::statusValues(area);
    EXPECT_EQ(controller::valueNamed(values, "calibration_factor").characters, "098765");
    EXPECT_EQ(controller::valueNamed(values, "conductivity").unit.german, "\u00B5S/cm");
}
