// Both units' parameter records as named values: a record decoded and
// encoded again, through the pages held in memory or value by value, comes
// back byte for byte; a value set by name lands in its field alone, as the
// page would have written it, and a text the page would refuse is refused
// with a message that says why.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "controller/mask_text.h"
#include "controller/parameter_values.h"
#include "controller/record_codec.h"
#include "controller/value_input.h"
#include "controller/value_slots.h"
#include "osmosis/parameter_layout.h"
#include "osmosis/parameter_values.h"
#include "softener/parameter_record.h"
#include "softener/parameter_values.h"
#include "tools/unitsim/osmosis_record.h"
#include "tools/unitsim/parameter_record.h"
#include "value_records.h"

using controller::ParameterValueTable;
using controller::UnitRecord;

namespace {

enum class Unit { Softener, Osmosis };

const ParameterValueTable& tableOf(Unit unit) {
    return unit == Unit::Softener ? softener::softenerValueTable() : osmosis::osmosisValueTable();
}

std::string factoryRecord(Unit unit, bool longForm) {
    return unit == Unit::Softener ? unitsim::defaultParameterRecord(longForm)
                                  : unitsim::defaultOsmosisRecord(longForm);
}

UnitRecord recordOf(Unit unit, const std::string& text, bool longForm) {
    return valuetests::unitRecord(*tableOf(unit).layout, text, longForm);
}

// A value its page field shows whole: the mask's positions filled with
// the digits 1, 2, 3 ... ("###,#" gives 123.4).
double widestNumber(const char* mask, const char* format) {
    const std::string digits = std::string("123456789").substr(0, controller::editPositions(mask));
    double value = std::stod(digits);
    for (int i = 0; i < controller::formatDecimals(format); ++i) value /= 10;
    return value;
}

unsigned wholeNumber(const char* mask) {
    return static_cast<unsigned>(
        std::stoul(std::string("7654").substr(0, controller::editPositions(mask))));
}

void putFieldValue(const controller::ParameterField& f, const char* mask, bool longFormField,
                   std::string& r) {
    using devlink::putField;
    switch (f.kind) {
        case controller::FieldKind::Float:
            valuetests::putFloat(r, f.offset, widestNumber(mask, f.format));
            break;
        case controller::FieldKind::Word16:
            putField(r, f.offset, devlink::encodeWord16(wholeNumber(mask)));
            break;
        case controller::FieldKind::Byte:
            valuetests::putByte(r, f.offset, wholeNumber(mask));
            break;
        case controller::FieldKind::Time:
            valuetests::putByte(r, f.offset, 18);
            valuetests::putByte(r, f.offset + 2, 30);
            break;
        case controller::FieldKind::Choice: {
            const std::size_t last = f.buttons.size() - 1;
            valuetests::putByte(r, f.offset, f.values.empty() ? last : f.values[last]);
            break;
        }
        case controller::FieldKind::Check:
            valuetests::putByte(r, f.offset, 1);
            break;
        case controller::FieldKind::Bits:  // boxes and bits without a box
            valuetests::putByte(r, f.offset, longFormField ? 0x01 : 0x5A);
            break;
    }
}

// Every field holds a value other than the factory's that its page shows
// whole; the alarm-SMS part texts without blanks and hidden alarm bits.
std::string everyFieldSet(Unit unit, bool longForm) {
    const ParameterValueTable& table = tableOf(unit);
    std::string r = factoryRecord(unit, longForm);
    const auto put = [&](const controller::ParameterField& f, bool longFormField) {
        const controller::FieldName* names = controller::namesOf(table, f);
        putFieldValue(f, names ? names->mask : "#", longFormField, r);
    };
    for (const auto& f : table.layout->fields) put(f, false);
    if (!longForm) return r;
    for (const auto& f : table.longFormFields) put(f, true);
    const controller::SmsLayout& sms = table.layout->sms;
    devlink::putField(r, sms.dialNumber, devlink::encodeText("0171234567", 20));
    devlink::putField(r, sms.prefix, devlink::encodeText("0", 4));
    devlink::putField(r, sms.accessNumber, devlink::encodeText("0800123", 20));
    devlink::putField(r, sms.extraText, devlink::encodeText("Anlage 7 \x80", 30));
    // Hidden boxes keep their bits; the softener has no box for bit 9 and
    // always sends it clear.
    devlink::putField(r, sms.flags, devlink::encodeWord32(0x3895));
    return r;
}

struct Form {
    Unit unit;
    bool longForm;
    bool everyField;  // else the factory record
};

void PrintTo(const Form& f, std::ostream* os) {
    *os << (f.unit == Unit::Softener ? "softener" : "osmosis") << (f.longForm ? " long" : " short")
        << (f.everyField ? " every field set" : " factory");
}

std::string textOf(const Form& f) {
    return f.everyField ? everyFieldSet(f.unit, f.longForm) : factoryRecord(f.unit, f.longForm);
}

class RoundTrip : public ::testing::TestWithParam<Form> {};

}  // namespace

// Pages in memory read a float field back from its window text: "8,4" with
// the mask's comma, not the characters "84".
TEST_P(RoundTrip, PagesInMemoryEncodeTheRecordTheyDecoded) {
    const ParameterValueTable& table = tableOf(GetParam().unit);
    const UnitRecord record = recordOf(GetParam().unit, textOf(GetParam()), GetParam().longForm);
    const controller::MemoryForm form = controller::decodedForm(table, record);
    UnitRecord again = record;
    controller::encodeRecord(*table.layout, form, again);
    if (record.longForm())
        for (const auto& field : table.longFormFields)
            controller::encodeOneField(field, form, again.text());
    EXPECT_EQ(again.text(), record.text());
}

TEST_P(RoundTrip, EveryValueSetToTheTextItShowsKeepsTheRecord) {
    const ParameterValueTable& table = tableOf(GetParam().unit);
    const UnitRecord record = recordOf(GetParam().unit, textOf(GetParam()), GetParam().longForm);
    int set = 0;
    for (const controller::UnitValue& value : controller::parameterValues(table, record)) {
        if (!value.settable) continue;
        for (const bool english : {false, true}) {
            UnitRecord again = record;
            EXPECT_EQ(controller::setParameterValue(table, again, value.name,
                                                    value.shown.in(english), english),
                      "")
                << value.name;
            EXPECT_EQ(again.text(), record.text()) << value.name << " " << value.shown.german;
        }
        ++set;
    }
    EXPECT_GT(set, 40);
}

INSTANTIATE_TEST_SUITE_P(
    BothUnitsBothForms, RoundTrip,
    ::testing::Values(Form{Unit::Softener, false, true}, Form{Unit::Softener, true, true},
                      Form{Unit::Osmosis, false, true}, Form{Unit::Osmosis, true, true},
                      Form{Unit::Softener, true, false}, Form{Unit::Osmosis, true, false}));

// The window's own decoding and encoding of the softener, through pages in
// memory that know the masks, also give back what they took.
TEST(ProgramCodec, SoftenerPagesInMemoryGiveBackWhatTheyTook) {
    const std::string text = everyFieldSet(Unit::Softener, true);
    softener::ParameterRecord record;
    record.takeFirstAnswer("DPI|" + text.substr(0, 404) + std::string(7, '|'));
    const ParameterValueTable& table = softener::softenerValueTable();
    controller::MemoryForm form({}, table.placeholder, controller::fieldMasks(table));
    softener::decodeParameters(record, form);
    softener::ParameterRecord again = record;
    softener::encodeParameters(form, again);
    EXPECT_EQ(again.text(), record.text());
}

namespace {

struct SetCase {
    Unit unit;
    bool longForm;
    const char* name;
    const char* text;
    const char* error;  // English; empty: the value is set
    std::size_t offset;
    std::string field;  // the record's characters there afterwards
    const char* shown;  // the value's text afterwards
};

// The factory record with a few known values the cases start from.
std::string baseRecord(Unit unit, bool longForm) {
    std::string r = factoryRecord(unit, longForm);
    if (unit == Unit::Softener) {
        valuetests::putByte(r, 138, 5);                         // five stages
        if (longForm) devlink::putField(r, 394, "0000000000");  // no SMS alarms, interval off
    } else {
        valuetests::putByte(r, 92, 0);  // no flushing-mode box
    }
    return r;
}

using devlink::encodeText;
const auto S = Unit::Softener;
const auto O = Unit::Osmosis;

const std::vector<SetCase> kSetCases = {
    {S, true, "raw_water_hardness", "8.4", "", 0, "41066666", "  8,4"},
    {S, true, "raw_water_hardness", "8,4", "", 0, "41066666", "  8,4"},
    {S, true, "raw_water_hardness", "  8,4", "", 0, "41066666", "  8,4"},
    {S, true, "exchange_capacity", "250", "", 72, "437A0000", "000250"},
    {S, true, "min_regeneration_pause", "120", "", 100, "0078", "120"},
    {S, true, "stage_1", "5", "", 142, "05", " 5"},
    {S, true, "regeneration_from", "18:00", "", 124, "1200", "18:00"},
    {S, true, "regeneration_from", "1800", "", 124, "1200", "18:00"},
    {S, true, "regeneration_to", "7:05", "", 128, "0705", "07:05"},
    {S, true, "plant_type", "serial", "", 108, "08", "2-F. Reihe"},
    {S, true, "plant_type", "2-f. Serial", "", 108, "08", "2-F. Reihe"},
    {S, true, "dosing", "water_meter_2", "", 174, "00", "\u00FCber Wasserz\u00E4hler 2"},
    {S, true, "svc_1_contact", "\u00D6ffner", "", 182, "00", "\u00D6ffner"},
    {S, true, "economic_salting", "ja", "", 134, "01", "1"},
    {S, true, "economic_salting", "OFF", "", 134, "00", "0"},
    {S, true, "sms_on_error_filter_1", "1", "", 394, "00000002", "1"},
    {S, true, "regeneration_interval_on", "on", "", 402, "01", "1"},
    {S, true, "sms_prefix", "0", "", 286, encodeText("0", 4), "0"},
    {S, true, "sms_extra_text", "Preis \u20AC", "", 334, encodeText("Preis \x80", 30),
     "Preis \u20AC"},
    {O, true, "cell_constant", "0.10", "", 8, "3DCCCCCD", "0,10"},
    {O, true, "metering_impulse", "0,5", "", 40, "3F000000", "00,5"},
    {O, true, "max_conductivity", "100", "", 48, "42C80000", "0100,0"},
    {O, true, "interval_flush_interval", "5", "", 72, "0005", "005"},
    {O, true, "pump_1_delay", "5", "", 114, "05", "5 "},
    {O, true, "pump_mode", "serial", "", 112, "01", "Reihe"},
    {O, true, "metering", "water_meter_1", "", 146, "01", "\u00FCber Wasserz\u00E4hler 1"},
    {O, true, "flush_with_inlet_valve", "1", "", 92, "04", "1"},
    {O, true, "unit_language", "dutch", "", 156, "04", "holl\u00E4ndisch"},

    {S, true, "foo", "1", "Unknown value \"foo\".", 0, "", ""},
    {S, true, "raw_water_hardness", "8.45",
     "\"raw_water_hardness\": at most 1 digit(s) after the decimal point.", 0, "", ""},
    {S, true, "raw_water_hardness", "1000", "\"raw_water_hardness\": at most 999.9.", 0, "", ""},
    {S, true, "raw_water_hardness", "-1", "\"raw_water_hardness\": no negative numbers.", 0, "",
     ""},
    {S, true, "raw_water_hardness", "8.4.1",
     "\"raw_water_hardness\": \"8.4.1\" is not a valid number.", 0, "", ""},
    {S, true, "raw_water_hardness", "", "\"raw_water_hardness\": \"\" is not a valid number.", 0,
     "", ""},
    {S, true, "exchange_capacity", "250.5", "\"exchange_capacity\": whole numbers only.", 0, "",
     ""},
    {S, true, "stage_1", "100", "\"stage_1\": at most 99.", 0, "", ""},
    {S, true, "regeneration_from", "24:00",
     "\"regeneration_from\": \"24:00\" is no time of day (hh:mm).", 0, "", ""},
    {S, true, "stage_count", "9", "\"stage_count\": only 1 to 8.", 0, "", ""},
    {S, true, "stage_count", "0", "\"stage_count\": only 1 to 8.", 0, "", ""},
    {S, true, "program_2_start_stage", "0", "\"program_2_start_stage\": only 1 to 5.", 0, "", ""},
    {S, true, "program_1_start_stage", "6", "\"program_1_start_stage\": only 0 to 5.", 0, "", ""},
    {S, true, "plant_type", "triple",
     "\"plant_type\": \"triple\" is none of one_filter, change_over, parallel, serial.", 0, "", ""},
    {S, true, "economic_salting", "maybe", "\"economic_salting\": \"maybe\" is neither 1 nor 0.", 0,
     "", ""},
    {S, true, "sms_prefix", "0a", "\"sms_prefix\": digits only, at most 4.", 0, "", ""},
    {S, true, "sms_dial_number", "012345678901234567890",
     "\"sms_dial_number\": digits only, at most 20.", 0, "", ""},
    {S, true, "sms_extra_text", "\u6F22",
     "\"sms_extra_text\": the unit cannot show the character \"\u6F22\".", 0, "", ""},
    {S, true, "sms_extra_text", "Zeile\nzwei", "\"sms_extra_text\": no control characters.", 0, "",
     ""},
    {S, true, "sms_extra_text", "0123456789012345678901234567890",
     "\"sms_extra_text\": at most 30 characters.", 0, "", ""},
    {S, true, "sms_access_number", "0800", "\"sms_access_number\" is only shown and cannot be set.",
     0, "", ""},
    {S, true, "sms_on_regeneration_stop", "1",
     "\"sms_on_regeneration_stop\" is only shown and cannot be set.", 0, "", ""},
    {S, false, "sms_prefix", "0",
     "The unit takes \"sms_prefix\" only with the long form of the record.", 0, "", ""},
    {S, false, "regeneration_interval_on", "1",
     "The unit takes \"regeneration_interval_on\" only with the long form of the record.", 0, "",
     ""},
    {O, true, "pump_1_delay", "100", "\"pump_1_delay\": at most 99.", 0, "", ""},
    {O, true, "sms_on_frost", "1", "\"sms_on_frost\" is only shown and cannot be set.", 0, "", ""},
    {O, false, "unit_language", "english",
     "The unit takes \"unit_language\" only with the long form of the record.", 0, "", ""},
};

void PrintTo(const SetCase& c, std::ostream* os) {
    *os << c.name << " = \"" << c.text << "\"";
}

class SetByName : public ::testing::TestWithParam<SetCase> {};

}  // namespace

TEST_P(SetByName, LandsInItsFieldAloneOrIsRefused) {
    const SetCase& c = GetParam();
    const ParameterValueTable& table = tableOf(c.unit);
    const UnitRecord before = recordOf(c.unit, baseRecord(c.unit, c.longForm), c.longForm);
    UnitRecord record = before;
    EXPECT_EQ(controller::setParameterValue(table, record, c.name, c.text, true), c.error);
    std::string expected = before.text();
    devlink::putField(expected, c.offset, c.field);
    EXPECT_EQ(record.text(), expected);
    if (*c.error) return;
    const controller::UnitValues values = controller::parameterValues(table, record);
    EXPECT_EQ(controller::valueNamed(values, c.name).shown.german, c.shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, SetByName, ::testing::ValuesIn(kSetCases));

TEST(SettingByName, MessagesFollowTheInterfaceLanguage) {
    UnitRecord record = recordOf(S, baseRecord(S, true), true);
    const ParameterValueTable& table = softener::softenerValueTable();
    EXPECT_EQ(controller::setParameterValue(table, record, "foo", "1", false),
              "Unbekannter Wert \"foo\".");
    EXPECT_EQ(controller::setParameterValue(table, record, "stage_count", "9", false),
              "\"stage_count\": nur 1 bis 8.");
    EXPECT_EQ(controller::setParameterValue(table, record, "raw_water_hardness", "8.45", false),
              "\"raw_water_hardness\": h\u00F6chstens 1 Nachkommastelle(n).");
}

TEST(SettingByName, NothingIsSetBeforeARecordWasRead) {
    UnitRecord record(softener::softenerLayout().form);
    EXPECT_EQ(controller::setParameterValue(softener::softenerValueTable(), record,
                                            "economic_salting", "1", true),
              "No parameters have been read from the unit yet.");
    EXPECT_TRUE(record.text().empty());
}

// Lowering the number of stages pulls the supplementary programs' start
// stages down with it, as the page does; raising it leaves them.
TEST(SettingByName, FewerStagesPullTheStartStagesDown) {
    std::string text = baseRecord(S, true);
    valuetests::putByte(text, 160, 4);
    valuetests::putByte(text, 164, 4);
    UnitRecord record = recordOf(S, text, true);
    const ParameterValueTable& table = softener::softenerValueTable();
    ASSERT_EQ(controller::setParameterValue(table, record, "stage_count", "2", true), "");
    EXPECT_EQ(record.text().substr(138, 2), "02");
    EXPECT_EQ(record.text().substr(160, 2), "02");
    EXPECT_EQ(record.text().substr(164, 2), "02");
    ASSERT_EQ(controller::setParameterValue(table, record, "stage_count", "6", true), "");
    EXPECT_EQ(record.text().substr(160, 2), "02");
}

// A short-form unit shows its language but never takes it back.
TEST(ParameterValues, AShortFormShowsWhatItDoesNotTakeBack) {
    std::string text = factoryRecord(O, false);
    text.resize(158, '0');
    devlink::putField(text, osmosis::record::kLanguage, "01");
    const controller::UnitValues values =
        controller::parameterValues(osmosis::osmosisValueTable(), recordOf(O, text, false));
    const controller::UnitValue& language = controller::valueNamed(values, "unit_language");
    EXPECT_EQ(language.shown.german, "englisch");
    EXPECT_EQ(language.shown.english, "english");
    EXPECT_EQ(language.text, "english");
    EXPECT_FALSE(language.settable);
    EXPECT_EQ(controller::findValue(values, "sms_prefix"), nullptr);
}

TEST(ParameterValues, UnitsAndTypes) {
    std::string text = baseRecord(S, true);
    valuetests::putByte(text, 114, 2);   // ppmCaCO3
    valuetests::putByte(text, 108, 16);  // no plant-type button
    const controller::UnitValues values =
        controller::parameterValues(softener::softenerValueTable(), recordOf(S, text, true));
    EXPECT_EQ(controller::valueNamed(values, "exchange_capacity").unit.german, "gCaCO3");
    EXPECT_EQ(controller::valueNamed(values, "raw_water_hardness").unit.german, "ppmCaCO3");
    EXPECT_EQ(controller::valueNamed(values, "stage_1").unit.english, "min.");
    EXPECT_EQ(controller::valueNamed(values, "stage_1").type, controller::ValueType::Number);
    const controller::UnitValue& plant = controller::valueNamed(values, "plant_type");
    EXPECT_EQ(plant.choice, -1);
    EXPECT_EQ(plant.shown.german, "");
    EXPECT_EQ(plant.options.size(), 4u);
    EXPECT_EQ(controller::valueNamed(values, "sms_access_number").type,
              controller::ValueType::Text);
}
