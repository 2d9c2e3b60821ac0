// What two records set differently, as the pages show it: each value set
// on its own is the one change listed, with its page and both languages'
// texts; a float that differs below its display precision is no change;
// a stored set of what the unit holds changes nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controller/memory_form.h"
#include "controller/parameter_values.h"
#include "controller/record_codec.h"
#include "controller/value_changes.h"
#include "osmosis/osmosis_settings.h"
#include "osmosis/parameter_layout.h"
#include "osmosis/parameter_values.h"
#include "softener/parameter_record.h"
#include "softener/parameter_values.h"
#include "softener/softener_settings.h"
#include "tools/unitsim/osmosis_record.h"
#include "tools/unitsim/parameter_record.h"
#include "value_records.h"

using controller::UnitRecord;

namespace {

struct Unit {
    const controller::ParameterValueTable& table;
    controller::SettingsProfile settings;
    controller::EncodeRecord encode;
    std::string (*factory)(bool longForm);
};

void encodeOsmosis(const controller::ParameterForm& form, UnitRecord& record) {
    controller::encodeRecord(osmosis::osmosisLayout(), form, record);
}

Unit softenerUnit() {
    return {softener::softenerValueTable(), softener::softenerSettingsProfile(),
            softener::encodeParameters, unitsim::defaultParameterRecord};
}

Unit osmosisUnit() {
    return {osmosis::osmosisValueTable(), osmosis::osmosisSettingsProfile(), encodeOsmosis,
            unitsim::defaultOsmosisRecord};
}

UnitRecord recordOf(const Unit& unit, bool longForm) {
    return valuetests::unitRecord(*unit.table.layout, unit.factory(longForm), longForm);
}

struct OneValue {
    bool softener;
    const char* name;
    const char* text;
    int page;
    const char* germanBefore;
    const char* germanAfter;
    const char* englishAfter;
};

}  // namespace

TEST(ValueChanges, EachValueSetAloneIsTheOneChangeListed) {
    const OneValue cases[] = {
        {true, "raw_water_hardness", "12,3", 1, "  8,4", " 12,3", " 12,3"},
        {true, "hardness_unit", "ppm_caco3", 1, "\u00B0dH", "ppmCaCO3", "ppmCaCO3"},
        {true, "regeneration_from", "19:45", 1, "00:00", "19:45", "19:45"},
        {true, "regeneration_delay", "1", 1, "aus", "ein", "on"},
        {true, "sms_extra_text", "Halle 3", 4, "", "Halle 3", "Halle 3"},
        {false, "pump_mode", "serial", 1, "nur Pumpe 1", "Reihe", "serial"},
        {false, "compensation_factor", "2.15", 2, "2,00", "2,15", "2,15"},
        {false, "sms_prefix", "0", 3, "", "0", "0"},
    };
    for (const OneValue& c : cases) {
        SCOPED_TRACE(c.name);
        const Unit unit = c.softener ? softenerUnit() : osmosisUnit();
        const UnitRecord before = recordOf(unit, true);
        UnitRecord after = before;
        ASSERT_EQ(controller::setParameterValue(unit.table, after, c.name, c.text, false), "");
        const auto changes =
            controller::valueChanges(controller::parameterValues(unit.table, before),
                                     controller::parameterValues(unit.table, after));
        ASSERT_EQ(changes.size(), 1u);
        EXPECT_EQ(changes[0].name, c.name);
        EXPECT_EQ(changes[0].page, c.page);
        EXPECT_EQ(changes[0].before.german, c.germanBefore);
        EXPECT_EQ(changes[0].after.german, c.germanAfter);
        EXPECT_EQ(changes[0].after.english, c.englishAfter);
    }
}

// The unit sends floats as single-precision bit patterns: two patterns that
// the page shows alike are the same value to the operator.
TEST(ValueChanges, AFloatBelowItsDisplayPrecisionIsNoChange) {
    const Unit unit = softenerUnit();
    const UnitRecord before = recordOf(unit, true);
    UnitRecord after = before;
    valuetests::putFloat(after.text(), 0, 8.4001);
    EXPECT_NE(after.text(), before.text());
    EXPECT_TRUE(controller::valueChanges(controller::parameterValues(unit.table, before),
                                         controller::parameterValues(unit.table, after))
                    .empty());
}

// A stored set holds what the pages hold: the lines of a record's pages,
// put back on that record, give the record the unit would get anyway.
TEST(ValueChanges, TheSetOfARecordPutBackChangesNothing) {
    for (const bool softener : {true, false})
        for (const bool longForm : {true, false}) {
            SCOPED_TRACE(std::string(softener ? "softener" : "osmosis") +
                         (longForm ? " long" : " short"));
            const Unit unit = softener ? softenerUnit() : osmosisUnit();
            const UnitRecord record = recordOf(unit, longForm);
            const controller::MemoryForm pages = controller::decodedForm(unit.table, record);
            const std::vector<std::string> lines =
                controller::valueLines(unit.settings.values, pages);
            const UnitRecord again = controller::recordWithLines(unit.table, unit.settings.values,
                                                                 unit.encode, record, lines);
            EXPECT_EQ(again.writeBody(), record.writeBody());
        }
}

TEST(ValueChanges, TheFactorySetAgainstAUnitListsWhatItChanges) {
    const Unit unit = softenerUnit();
    UnitRecord record = recordOf(unit, true);
    ASSERT_EQ(controller::setParameterValue(unit.table, record, "regeneration_delay", "1", false),
              "");
    std::vector<std::string> factory;
    for (const controller::SettingValue& value : unit.settings.values)
        factory.push_back(value.factory);
    const UnitRecord withFactory =
        controller::recordWithLines(unit.table, unit.settings.values, unit.encode, record, factory);
    const auto changes =
        controller::valueChanges(controller::parameterValues(unit.table, record),
                                 controller::parameterValues(unit.table, withFactory));
    std::vector<std::string> names;
    for (const auto& change : changes) names.push_back(change.name);
    EXPECT_NE(std::find(names.begin(), names.end(), "regeneration_delay"), names.end());
    // The provider's access number is no part of a set: it stays.
    EXPECT_EQ(std::find(names.begin(), names.end(), "sms_access_number"), names.end());
}
