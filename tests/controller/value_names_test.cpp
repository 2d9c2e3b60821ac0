// The value tables against the record layouts: every field of a layout has
// a name a command line can take, names are unique across a unit's status
// and parameters, every masked field has its mask, every radio button its
// option. A field added to a layout without its names shows here. And
// numbers never follow the desktop's locale.
#include <gtest/gtest.h>

#include <clocale>
#include <set>
#include <string>

#include "controller/parameter_values.h"
#include "controller/value_slots.h"
#include "osmosis/parameter_layout.h"
#include "osmosis/parameter_values.h"
#include "osmosis/status_record.h"
#include "osmosis/status_values.h"
#include "softener/parameter_layout.h"
#include "softener/parameter_values.h"
#include "softener/status_record.h"
#include "softener/status_values.h"
#include "value_records.h"

namespace {

bool machineName(const std::string& name) {
    if (name.empty()) return false;
    for (const char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
    return true;
}

bool masked(controller::FieldKind kind) {
    using K = controller::FieldKind;
    return kind == K::Float || kind == K::Word16 || kind == K::Byte || kind == K::Time;
}

void expectNamed(const controller::ParameterValueTable& table,
                 const controller::ParameterField& f) {
    const controller::FieldName* names = controller::namesOf(table, f);
    ASSERT_NE(names, nullptr) << "offset " << f.offset;
    if (masked(f.kind)) {
        EXPECT_NE(names->mask, nullptr) << names->name;
    }
    if (f.kind == controller::FieldKind::Choice || f.kind == controller::FieldKind::Bits) {
        EXPECT_EQ(names->options.size(), f.buttons.size()) << "offset " << f.offset;
    }
}

void expectUniqueMachineNames(const controller::UnitValues& status,
                              const controller::UnitValues& parameters) {
    std::set<std::string> seen;
    for (const controller::UnitValues* values : {&status, &parameters})
        for (const controller::UnitValue& value : *values) {
            EXPECT_TRUE(machineName(value.name)) << value.name;
            EXPECT_TRUE(seen.insert(value.name).second) << value.name << " twice";
            EXPECT_FALSE(value.label.german.empty() || value.label.english.empty()) << value.name;
        }
}

void expectComplete(const controller::ParameterValueTable& table,
                    const controller::UnitValues& status, const std::string& longRecord) {
    for (const auto& field : table.layout->fields) expectNamed(table, field);
    for (const auto& field : table.longFormFields) expectNamed(table, field);
    const controller::UnitValues parameters =
        controller::parameterValues(table, valuetests::unitRecord(*table.layout, longRecord, true));
    expectUniqueMachineNames(status, parameters);
}

// The C library's number formatting as on a German desktop, for one test.
class GermanNumbers {
  public:
    GermanNumbers() : before_(std::setlocale(LC_ALL, nullptr)) {
        active_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    ~GermanNumbers() { std::setlocale(LC_ALL, before_.c_str()); }
    bool active() const { return active_; }

  private:
    std::string before_;
    bool active_ = false;
};

}  // namespace

TEST(ValueNames, SoftenerTablesNameEveryField) {
    const std::string area = valuetests::zeroArea(softener::kStatusLength);
    const std::string record = valuetests::zeroArea(softener::kLongRecordLength);
    expectComplete(softener::softenerValueTable(),
                   softener::statusValues(
                       area, valuetests::unitRecord(softener::softenerLayout(), record, true)),
                   record);
}

TEST(ValueNames, OsmosisTablesNameEveryField) {
    expectComplete(osmosis::osmosisValueTable(),
                   osmosis::statusValues(valuetests::zeroArea(osmosis::kStatusLength)),
                   valuetests::zeroArea(osmosis::kLongRecordLength));
}

TEST(ValueNames, NumbersReadAndShowTheSameOnAGermanDesktop) {
    GermanNumbers german;
    if (!german.active()) GTEST_SKIP() << "the locale de_DE.UTF-8 is missing";
    const controller::ParameterValueTable& table = softener::softenerValueTable();
    controller::UnitRecord record = valuetests::unitRecord(
        *table.layout, valuetests::zeroArea(softener::kLongRecordLength), true);
    for (const char* typed : {"8.4", "8,4"}) {
        ASSERT_EQ(controller::setParameterValue(table, record, "raw_water_hardness", typed, true),
                  "");
        EXPECT_EQ(record.text().substr(0, 8), "41066666");
        EXPECT_EQ(
            controller::valueNamed(controller::parameterValues(table, record), "raw_water_hardness")
                .shown.german,
            "  8,4");
    }
    ASSERT_EQ(controller::setParameterValue(table, record, "dosing_resolution", "1.5", true), "");
    EXPECT_EQ(record.text().substr(40, 8), "3FC00000");
    std::string area = valuetests::zeroArea(osmosis::kStatusLength);
    valuetests::putFloat(area, 0, 12.5);
    EXPECT_EQ(controller::valueNamed(osmosis::statusValues(area), "conductivity").shown.german,
              "0012,50");
}
