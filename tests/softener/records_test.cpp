// Status and parameter records against the worked values: formats, the
// plant-status rules, the lamp rows and the in-place encoding.
#include <gtest/gtest.h>

#include "devlink/fields.h"
#include "fake_form.h"
#include "resources/ids/ksv2_ids.h"
#include "softener/parameter_record.h"
#include "softener/status_record.h"

using namespace ksv2::ids;
using namespace controller;
using namespace softener;

namespace {

std::string area() {
    return std::string(kStatusLength, '0');
}

void put(std::string& text, std::size_t offset, int byte) {
    devlink::putField(text, offset, devlink::encodeByte(byte));
}

// Status area with stages, valve bits (BV1 bit 6, BV2 bit 4) and wait bits.
std::string plant(int s1, int s2, bool bv1, bool bv2, bool w1, bool w2, bool stop = false) {
    std::string a = area();
    put(a, status::kStage1, s1);
    put(a, status::kStage2, s2);
    put(a, status::kOutputs, (bv1 ? 0x40 : 0) | (bv2 ? 0x10 : 0));
    put(a, status::kBlink, (w1 ? 1 : 0) | (w2 ? 2 : 0));
    put(a, status::kInputs, stop ? 0x20 : 0);
    return a;
}

}  // namespace

TEST(StatusRecord, PlantStatusRulesPerPlantType) {
    // One filter.
    EXPECT_EQ(plantStatusCode(OneFilter, plant(0, 0, true, false, false, false)), 2);
    EXPECT_EQ(plantStatusCode(OneFilter, plant(0, 0, true, false, true, false)), 5);
    EXPECT_EQ(plantStatusCode(OneFilter, plant(0, 0, false, false, true, false)), 3);
    EXPECT_EQ(plantStatusCode(OneFilter, plant(3, 0, true, false, true, false)), 4);
    EXPECT_EQ(plantStatusCode(OneFilter, plant(0, 0, false, false, false, false)), 0);
    // Change-over: later rules overwrite earlier ones.
    EXPECT_EQ(plantStatusCode(ChangeOver, plant(0, 2, true, false, false, false)), 0x42);
    EXPECT_EQ(plantStatusCode(ChangeOver, plant(2, 0, false, true, false, false)), 0x24);
    EXPECT_EQ(plantStatusCode(ChangeOver, plant(0, 0, true, false, false, false)), 0x12);
    EXPECT_EQ(plantStatusCode(ChangeOver, plant(0, 0, false, true, false, false)), 0x21);
    EXPECT_EQ(plantStatusCode(ChangeOver, plant(0, 0, true, false, false, true)), 0x32);
    EXPECT_EQ(plantStatusCode(ChangeOver, plant(0, 0, false, true, true, false)), 0x23);
    // Parallel and serial; both regenerating gives no code.
    for (int type : {Parallel, Serial}) {
        EXPECT_EQ(plantStatusCode(type, plant(0, 0, true, true, false, false)), 0x22);
        EXPECT_EQ(plantStatusCode(type, plant(0, 1, true, false, false, false)), 0x42);
        EXPECT_EQ(plantStatusCode(type, plant(1, 0, false, true, false, false)), 0x24);
        EXPECT_EQ(plantStatusCode(type, plant(1, 1, false, false, false, false)), 0);
    }
    // Stop wins over everything, even an unknown plant type.
    for (int type : std::initializer_list<int>{OneFilter, ChangeOver, Parallel, Serial, 16})
        EXPECT_EQ(plantStatusCode(type, plant(3, 0, true, false, false, false, true)), 0x88);
    EXPECT_EQ(plantStatusCode(16, plant(0, 0, true, false, false, false)), 0);
    EXPECT_EQ(plantStatusText(0).german, nullptr);
    EXPECT_STREQ(plantStatusText(0x42).english, "F1 Service, F2 Regeneration");
    EXPECT_EQ(plantStatusText(0x42).stage, StageShown::Filter2);
    EXPECT_EQ(plantStatusText(5).stage, StageShown::Filter1);
}

TEST(StatusRecord, FieldFormatsAndLastAccess) {
    EXPECT_EQ(maskCharacters("%06.1f", 12345.6), "123456");  // a "####,#" field keeps 1234,5
    EXPECT_EQ(maskCharacters("%7.1f", 12.5), "   125");      // water meter 1: blanks
    EXPECT_EQ(maskCharacters("%07.1f", 12.5), "000125");     // water meter 2: zeros
    std::string a = area();
    put(a, 154, 7);
    put(a, 156, 12);
    put(a, 158, 26);
    put(a, 148, 9);
    put(a, 150, 5);
    EXPECT_EQ(lastAccessText(a), "07.12.26 09:05");
    put(a, 158, 123);  // three digits: the first two count
    EXPECT_EQ(lastAccessText(a).substr(6, 2), "12");
}

TEST(StatusRecord, LampRows) {
    std::string a = area();
    put(a, status::kFunctions, 0x81);  // regeneration filter 1 and alarm
    put(a, status::kInputs, 0x20);     // Stop
    put(a, status::kOutputs, 0x81);    // F1 (bit 7) and AL (bit 0)
    const LampBits lamps = lampBits(a);
    LampBits expected{};
    expected[0] = expected[7] = true;
    expected[8 + 5] = true;
    expected[16] = expected[23] = true;
    EXPECT_EQ(lamps, expected);
}

namespace {

// A long-form record with the worked values of the pages.
std::string workedRecord() {
    std::string r(kLongRecordLength, '0');
    devlink::putField(r, 0, devlink::encodeFloat(8.4));
    devlink::putField(r, 72, devlink::encodeFloat(250));
    devlink::putField(r, 24, "0123456789ABCDEF");  // carried
    put(r, 108, 16);                               // plant type no button knows
    put(r, 114, 1);                                // °f
    put(r, 124, 18);
    put(r, 126, 0);
    put(r, 174, 0);  // dosing through water meter 2
    put(r, 138, 5);
    devlink::putField(r, sms::kDialNumber, devlink::encodeText("0170 555", 20));
    devlink::putField(r, sms::kPrefix, devlink::encodeText("", 4));
    devlink::putField(r, sms::kAccessNumber, devlink::encodeText("", 20));
    devlink::putField(r, sms::kExtraText, devlink::encodeText("Halle 3", 30));
    devlink::putField(r, sms::kFlags, devlink::encodeWord32(0x0081));
    put(r, sms::kIntervalOn, 1);
    return r;
}

ParameterRecord longRecord(const std::string& text) {
    ParameterRecord record;
    record.takeFirstAnswer("DPI|" + text + "|00|" + "XX" + '\x04');
    return record;
}

}  // namespace

TEST(ParameterRecord, AnswersMakeTheRecord) {
    const ParameterRecord record = longRecord(workedRecord());
    EXPECT_TRUE(record.longForm());
    EXPECT_TRUE(record.complete());
    EXPECT_EQ(record.text(), workedRecord());

    ParameterRecord two;
    EXPECT_TRUE(two.takeFirstAnswer(" PI|" + std::string(120, 'A') + "|00|cs\x04"));
    EXPECT_FALSE(two.longForm());
    two.takeSecondAnswer("DPI|" + std::string(120, 'B') + "|00|cs\x04", 7);
    EXPECT_EQ(two.text(), std::string(120, 'A') + std::string(120, 'B'));
    two.takeFirstAnswer(" PI|" + std::string(120, 'A') + "|00|cs\x04");
    two.takeSecondAnswer("DPI|" + std::string(120, 'B') + "|00|cs\x04", 4);
    EXPECT_EQ(two.text().size(), 243u);  // after a write: three more characters
    EXPECT_EQ(two.writeBody().size(), 240u);

    ParameterRecord garbage;
    EXPECT_FALSE(garbage.takeFirstAnswer("DPI|5\x04"));
    EXPECT_FALSE(garbage.complete());
}

TEST(ParameterRecord, DecodesTheWorkedValues) {
    FakeForm form;
    decodeParameters(longRecord(workedRecord()), form);
    EXPECT_EQ(form.mask(1, RawHardnessEdit), "  84");       // "%5.1f" of 8.4 without its point
    EXPECT_EQ(form.mask(1, CapacityEdit), "000250");        // "%06.0f"
    EXPECT_EQ(form.mask(1, RegenerationFromEdit), "1800");  // 18:00
    EXPECT_EQ(form.mask(1, StageCountEdit), "5");
    EXPECT_EQ(form.radio(1, OneFilterRadio), -1);  // plant type 16
    EXPECT_EQ(form.radio(1, UnitDHRadio), 1);
    EXPECT_EQ(form.hardnessUnit, 1);
    EXPECT_EQ(form.radio(2, DosingMeter1Radio), 1);  // "über Wasserzähler 2"
    EXPECT_EQ(form.radio(3, Svc1NormOpenRadio), 1);  // contact byte 0: "Öffner"
    EXPECT_EQ(form.smsCapability, 1);
    EXPECT_EQ(form.textOf(4, SmsNumberCombo), "0170");         // cut at the blank
    EXPECT_EQ(form.textOf(4, AdditionalTextEdit), "Halle 3");  // trailing blanks removed
    EXPECT_EQ(form.textOf(4, AccessNumberLabel), "-");
    EXPECT_TRUE(form.check(4, PowerFailureCheck));
    EXPECT_TRUE(form.check(4, RegStopCheck));  // the hidden box still carries bit 7
    EXPECT_TRUE(form.check(1, IntervalActiveCheck));
    EXPECT_TRUE(form.isEnabled(1, IntervalDaysEdit));
}

TEST(ParameterRecord, EncodingWritesOnlyWhatThePagesOwn) {
    ParameterRecord record = longRecord(workedRecord());
    FakeForm form;
    decodeParameters(record, form);
    form.masks[{1, RawHardnessEdit}] = "  8,4";  // the window texts the fields show
    form.masks[{1, CapacityEdit}] = "000250";
    form.masks[{2, WaterMeter1RateEdit}] = "000.000";
    form.masks[{2, WaterMeter2RateEdit}] = "000.000";
    form.masks[{2, ResolutionEdit}] = "000.000";
    form.masks[{2, ImpulseLengthEdit}] = "00.0";
    form.masks[{3, MaxHardnessEdit}] = "000.0";
    form.masks[{3, MinHardnessEdit}] = "000.0";
    form.texts[{4, SmsNumberCombo}] = "0170 555";
    encodeParameters(form, record);
    EXPECT_EQ(record.text(), workedRecord());  // unchanged, carried positions included

    form.masks[{1, RegenerationFromEdit}] = "0630";
    form.radios[{1, OneFilterRadio}] = 3;
    form.masks[{2, WaterMeter1RateEdit}] = "  1.5__";
    encodeParameters(form, record);
    std::string expected = workedRecord();
    put(expected, 124, 6);
    put(expected, 126, 30);
    put(expected, 108, 8);
    devlink::putField(expected, 8, devlink::encodeFloat(1.5));
    EXPECT_EQ(record.text(), expected);

    form.masks[{2, ImpulseLengthEdit}] = "__._";
    const ParameterField* bad = firstUnreadableFloat(form);
    ASSERT_NE(bad, nullptr);
    EXPECT_EQ(bad->control, ImpulseLengthEdit);
    EXPECT_STREQ(bad->englishName, "impulse length");
}
