// The reverse-osmosis records against their worked values: the parameter
// layout's formats, choices and bits, the in-place encoding with its
// carried positions, the status area's texts and lamps, the error table and
// the value list of the named settings.
#include <gtest/gtest.h>

#include <map>

#include "controller/record_codec.h"
#include "devlink/fields.h"
#include "fake_form.h"
#include "osmosis/osmosis_history_codes.h"
#include "osmosis/osmosis_settings.h"
#include "osmosis/parameter_layout.h"
#include "osmosis/status_record.h"
#include "resources/ids/pln2_ids.h"

using namespace pln2::ids;
using namespace osmosis;
using controller::UnitRecord;

namespace {

void put(std::string& text, std::size_t offset, int byte) {
    devlink::putField(text, offset, devlink::encodeByte(static_cast<unsigned>(byte)));
}

// A long-form record with the worked values of the pages and distinct
// carried positions.
std::string workedRecord() {
    std::string r(kLongRecordLength, '0');
    devlink::putField(r, 8, devlink::encodeFloat(0.1f));    // cell constant, 3DCCCCCD
    devlink::putField(r, 48, devlink::encodeFloat(100.0));  // maximum LV
    devlink::putField(r, 40, devlink::encodeFloat(0.5));    // metering impulse
    devlink::putField(r, 72, devlink::encodeWord16(90));    // interval flush, hours
    devlink::putField(r, 64, "0123ABCD");                   // carried
    devlink::putField(r, 76, "EF01");
    devlink::putField(r, 90, "A5");
    devlink::putField(r, 128, "5A");
    devlink::putField(r, 152, "C3");
    devlink::putField(r, 158, "3C3C3C3C");
    put(r, 92, 0x16);  // flushing with pump 2 and the inlet valve; bit 4 no box knows
    put(r, 96, 100);   // a delay of 100 in a "##" field
    put(r, 100, 5);
    put(r, record::kPumpMode, 3);
    put(r, record::kMetering, 0);
    put(r, 118, 0);  // low water pressure: "Öffner"
    put(r, 150, 0x09);
    put(r, record::kLanguage, 4);
    devlink::putField(r, record::kDialNumber, devlink::encodeText("0170 555", 20));
    devlink::putField(r, record::kExtraText, devlink::encodeText(std::string(30, ' '), 30));
    devlink::putField(r, record::kAccessNumber, devlink::encodeText("", 20));
    devlink::putField(r, record::kPrefix, devlink::encodeText("", 4));
    devlink::putField(r, record::kSmsFlags, devlink::encodeWord32(0x1211));
    return r;
}

// The first answer of a long-form unit: 333 characters.
UnitRecord longRecord(const std::string& text) {
    UnitRecord record(osmosisLayout().form);
    record.takeFirstAnswer("DPI|" + text + "000|cs\x04");
    return record;
}

}  // namespace

TEST(OsmosisRecord, FirstAnswerLengthDecidesTheFormAndFourCharactersCloseEveryAnswer) {
    const std::string text = workedRecord();
    EXPECT_TRUE(longRecord(text).longForm());
    EXPECT_EQ(longRecord(text).text().size(), 325u);
    EXPECT_EQ(longRecord(text).writeBody(), text);
    for (const std::size_t tail : {2u, 4u}) {  // answers of 332 and 334 characters
        UnitRecord record(osmosisLayout().form);
        record.takeFirstAnswer("DPI|" + text + std::string(tail, '0') + "|cs\x04");
        EXPECT_FALSE(record.longForm());
        EXPECT_EQ(record.writeBody(), text.substr(0, kShortRecordLength));
    }
    UnitRecord two(osmosisLayout().form);
    EXPECT_TRUE(two.takeFirstAnswer(" PI|" + text.substr(0, 78) + "|cs\x04"));
    two.takeSecondAnswer("DPI|" + text.substr(78, 78) + "000|cs\x04", 4);
    EXPECT_EQ(two.writeBody(), text.substr(0, kShortRecordLength));
}

TEST(OsmosisRecord, DecodesTheWorkedValues) {
    FakeForm form;
    controller::decodeRecord(osmosisLayout(), longRecord(workedRecord()), form);
    EXPECT_EQ(form.mask(2, CellConstantEdit), "010");       // 0.10 printed "%4.2f", shown 0,10
    EXPECT_EQ(form.mask(2, MaxLimitEdit), "01000");         // 0100,0
    EXPECT_EQ(form.mask(2, ImpulseEdit), "005");            // 00,5
    EXPECT_EQ(form.mask(1, IntervalEdit), "090");           // "%03d"
    EXPECT_EQ(form.mask(2, MaxDelayEdit), "100");           // the "##" field keeps 10 of it
    EXPECT_EQ(form.mask(2, MinDelayEdit), "5");             // plain decimal, the blank follows
    EXPECT_EQ(form.radio(1, OnlyPump1Radio), 3);            // pump byte 3: "Reihe"
    EXPECT_EQ(form.radio(2, MeteringMeter1Radio), -1);      // metering 0: neither meter
    EXPECT_EQ(form.radio(1, LowPressureNormOpenRadio), 1);  // contact 0: "Öffner"
    EXPECT_EQ(form.radio(2, GermanRadio), 4);               // Dutch
    EXPECT_FALSE(form.check(1, WithPump1Check));
    EXPECT_TRUE(form.check(1, WithPump2Check));
    EXPECT_TRUE(form.check(1, WithInletValveCheck));  // bit 2: the inlet valve
    EXPECT_FALSE(form.check(1, WithOutletValveCheck));
    EXPECT_TRUE(form.check(1, RelayConductivityCheck));  // "PR" on "CD1 max." and "Stop/Standby"
    EXPECT_TRUE(form.check(1, RelayStandbyCheck));
    EXPECT_EQ(form.smsCapability, 1);
    EXPECT_EQ(form.textOf(3, SmsNumberCombo), "0170");  // cut at the blank
    EXPECT_EQ(form.textOf(3, AdditionalTextEdit), "");  // 30 blanks come back empty
    EXPECT_EQ(form.textOf(3, AccessNumberLabel), "-");
    for (const int hidden : {PressureMaxCheck, RangeExceededCheck, FrostCheck})
        EXPECT_TRUE(form.check(3, hidden));
    EXPECT_TRUE(form.check(3, PowerFailureCheck));
    EXPECT_FALSE(form.check(3, PermeateMaxCheck));
}

TEST(OsmosisRecord, EncodingWritesOnlyWhatThePagesOwn) {
    UnitRecord record = longRecord(workedRecord());
    FakeForm form;
    const auto& layout = osmosisLayout();
    controller::decodeRecord(layout, record, form);
    // The window texts the masked fields show.
    for (const auto& [key, text] :
         std::map<std::pair<int, int>, std::string>{{{2, CompensationFactorEdit}, "0,00"},
                                                    {{2, CellConstantEdit}, "0,10"},
                                                    {{2, WaterMeter1Edit}, "000,000"},
                                                    {{2, WaterMeter2Edit}, "000,000"},
                                                    {{2, ResolutionEdit}, "000,000"},
                                                    {{2, ImpulseEdit}, "00,5"},
                                                    {{2, MaxLimitEdit}, "0100,0"},
                                                    {{2, MinLimitEdit}, "0000,0"},
                                                    {{2, MaxDelayEdit}, "10"}})
        form.masks[key] = text;
    form.texts[{3, SmsNumberCombo}] = "0170 555";
    form.texts[{3, AdditionalTextEdit}] = std::string(30, ' ');
    controller::encodeRecord(layout, form, record);
    std::string expected = workedRecord();
    put(expected, 96, 10);                // the field kept 10 of 100
    put(expected, record::kPumpMode, 1);  // "Reihe" goes out as 1
    EXPECT_EQ(record.text().substr(0, kLongRecordLength), expected);

    // A typed "0,10" goes out as the single-precision value nearest to it.
    form.masks[{2, CellConstantEdit}] = "1,25";
    form.masks[{2, CompensationFactorEdit}] = "0,10";
    form.radios[{1, OnlyPump1Radio}] = 0;
    form.checks[{1, WithPump1Check}] = true;
    form.checks[{1, RelayProductionCheck}] = true;
    controller::encodeRecord(layout, form, record);
    put(expected, record::kPumpMode, 2);
    put(expected, 92, 0x17);  // bit 4 stays as the unit sent it
    put(expected, 150, 0x0D);
    devlink::putField(expected, 8, devlink::encodeFloat(1.25));
    devlink::putField(expected, 0, "3DCCCCCD");
    EXPECT_EQ(record.text().substr(0, kLongRecordLength), expected);

    form.masks[{2, ResolutionEdit}] = "   ,   ";
    const controller::ParameterField* bad = controller::firstUnreadableFloat(layout, form);
    ASSERT_NE(bad, nullptr);
    EXPECT_EQ(bad->control, ResolutionEdit);
    EXPECT_STREQ(bad->englishName, "resolution");
}

TEST(OsmosisStatus, TextsLampsAndLastAccess) {
    EXPECT_STREQ(plantStatusText(2), "Abnahme");
    EXPECT_STREQ(plantStatusText(16), "Qualit\u00E4ts-Sp\u00FClen");
    EXPECT_EQ(plantStatusText(3), nullptr);  // the text stays as it was
    EXPECT_EQ(plantStatusText(0), nullptr);

    std::string area(kStatusLength, '0');
    put(area, status::kOutputs, 0x81);
    put(area, status::kFunctions, 0x40);
    put(area, status::kInputs, 0x02);
    controller::LampBits expected{};
    expected[16] = expected[23] = true;  // PU1 and AL
    expected[6] = true;                  // "CD max."
    expected[9] = true;                  // LP
    EXPECT_EQ(lampBits(area), expected);

    put(area, 84, 9);
    put(area, 86, 5);
    put(area, 88, 59);  // not part of the text
    put(area, 90, 31);
    put(area, 92, 12);
    put(area, 94, 9);
    EXPECT_EQ(controller::lastAccessText(area, status::kLastAccessHour), "31.12.09 09:05");

    EXPECT_EQ(controller::maskCharacters("%07.2f", 12.5), "001250");      // 0012,50
    EXPECT_EQ(controller::maskCharacters("%02.0f", 100.0), "100");        // the "##" keeps 10
    EXPECT_EQ(controller::maskCharacters("%09.4f", 123.25), "01232500");  // 0123,2500
}

TEST(OsmosisErrors, OnlyASingleListedCodeHasAText) {
    EXPECT_EQ(controller::codeText(kOsmosisErrorCodes, 64, false), "\u00DCberdruck");
    EXPECT_EQ(controller::codeText(kOsmosisErrorCodes, 2048, true), "Excess .Q-flush time");
    EXPECT_EQ(controller::codeText(kOsmosisErrorCodes, 6, false), "Kein Fehler");
    EXPECT_EQ(controller::codeText(kOsmosisErrorCodes, 6, true), "no error");
}

TEST(OsmosisSettings, SixtyOneValuesWithTheFactorySetting) {
    const controller::SettingsProfile profile = osmosisSettingsProfile();
    const auto& values = profile.values;
    ASSERT_EQ(values.size(), 61u);
    EXPECT_EQ(profile.storeFileName, "aquendorPLN2.set");
    // A set is its name and 61 values: the ninth name stands on line 497.
    EXPECT_EQ(profile.fullStoreLines(), 497u);

    std::vector<std::string> factory;
    for (const auto& value : values) factory.push_back(value.factory);
    const std::vector<std::string> expected = {
        "14",     "01", "02",     "090", "0", "05", "2", "10",  "10", "20", "1",  "1",   "05",
        "3",      "1",  "1",      "03",  "1", "20", "1", "1",   "01", "1",  "1",  "010", "01000",
        "10",     "1",  "00010",  "20",  "1", "0",  "0", "200", "25", "40", "20", "1",   "001000",
        "001000", "1",  "010000", "005", "0", "0",  "0", "0",   "0",  "0",  "0",  "0",   "0",
        "0",      "0",  "0",      "0",   "0", "0",  "",  "",    ""};
    EXPECT_EQ(factory, expected);

    // Dutch is the fifth language button: it is saved as 4.
    EXPECT_EQ(values[43].buttons.at(4), DutchRadio);
    EXPECT_TRUE(values[43].codes.empty());
    // Pump mode and metering are written as the unit's bytes.
    EXPECT_EQ(values[6].codes, (std::vector<int>{2, 4, 0, 1}));
    EXPECT_EQ(values[6].otherButton, 3);
    EXPECT_EQ(values[40].codes, (std::vector<int>{1, 2}));
    // Neither the calibration factor, the zero point nor the access number.
    for (const auto& value : values)
        for (const int excluded : {CalibrationFactorEdit, ZeroPointEdit, AccessNumberLabel})
            EXPECT_NE(value.control, excluded);
}
