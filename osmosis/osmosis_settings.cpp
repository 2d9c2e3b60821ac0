#include "osmosis/osmosis_settings.h"

#include "resources/ids/pln2_ids.h"

namespace osmosis {

namespace {

using namespace pln2::ids;
using controller::SettingValue;
using controller::ValueKind;

// A radio group written as its button index, or as the numbers given.
SettingValue radios(int page, std::vector<int> buttons, const char* factory,
                    std::vector<int> codes = {}, int otherButton = -1) {
    SettingValue v = controller::stateValue(page, buttons.front(), factory);
    v.buttons = std::move(buttons);
    v.codes = std::move(codes);
    v.otherButton = otherButton;
    return v;
}

// "Schliesser" is written 1, "Öffner" 0.
SettingValue contact(int first, const char* factory) {
    return radios(1, {first, first + 1}, factory, {1, 0});
}

SettingValue metering() {
    SettingValue v = radios(2, {MeteringMeter1Radio, MeteringMeter2Radio}, "1", {1, 2});
    v.noneCode = 0;
    return v;
}

SettingValue bitBoxes(std::vector<std::pair<int, int>> boxes, const char* factory) {
    SettingValue v = controller::stateValue(1, boxes.front().first, factory);
    v.kind = ValueKind::Bits;
    v.bits = std::move(boxes);
    return v;
}

// Short names for the table below.
constexpr auto box = controller::stateValue;
constexpr auto digits = controller::digitsValue;

std::vector<SettingValue> osmosisValues() {
    std::vector<SettingValue> v = {
        // Flushing with pump 2 and both valves.
        bitBoxes({{WithPump1Check, 1},
                  {WithPump2Check, 2},
                  {WithInletValveCheck, 4},
                  {WithOutletValveCheck, 8}},
                 "14"),
        digits(1, FlushDurationEdit, "01"),     // flush duration
        digits(1, IntervalDurationEdit, "02"),  // interval flush duration
        digits(1, IntervalEdit, "090"),         // interval flush interval, hours
        box(1, QualityFlushCheck, "0"),         // quality flush
        digits(1, QualityDurationEdit, "05"),   // quality flush duration
        // Pump mode as the unit's byte: only pump 1; any other number selects serial.
        radios(1, {OnlyPump1Radio, OnlyPump2Radio, AlternateRadio, SerialRadio}, "2", {2, 4, 0, 1},
               3),
        digits(1, DelayPump1Edit, "10"),   // delay pump 1
        digits(1, DelayPump2Edit, "10"),   // delay pump 2
        digits(1, MaxPressureEdit, "20"),  // maximum pressure
        // relay "PR": "CD1 max."
        bitBoxes({{RelayConductivityCheck, 1},
                  {RelayTankEmptyCheck, 2},
                  {RelayProductionCheck, 4},
                  {RelayStandbyCheck, 8}},
                 "1"),
        contact(LowPressureNormOpenRadio, "1"),  // low water pressure
        digits(1, LowPressureDelayEdit, "05"),
        digits(1, RestartEdit, "3"),                // restarts
        contact(MotorNormOpenRadio, "1"),           // motor protection
        contact(ExcessPressureNormOpenRadio, "1"),  // excess pressure
        digits(1, ExcessPressureDelayEdit, "03"),
        contact(ConcentrateNormOpenRadio, "1"),  // concentrate flow
        digits(1, ConcentrateDelayEdit, "20"),
        box(1, ConcentrateSwitchOffCheck, "1"),  // concentrate flow switch-off
        contact(StopInputNormOpenRadio, "1"),    // "STOP"
        digits(1, StopInputDelayEdit, "01"),
        contact(ProgInputNormOpenRadio, "1"),  // "PROG"
        // "PROG" function: tank overflow
        radios(1, {EmergencyProgramRadio, TankOverflowRadio}, "1"),
        digits(2, CellConstantEdit, "010"),  // cell constant 0,10
        digits(2, MaxLimitEdit, "01000"),    // maximum LV 0100,0
        digits(2, MaxDelayEdit, "10"),
        box(2, MaxSwitchOffCheck, "1"),
        digits(2, MinLimitEdit, "00010"),  // minimum LV 0001,0
        digits(2, MinDelayEdit, "20"),
        box(2, MinSwitchOffCheck, "1"),
        // conductivity interface "0 - 20mA"
        radios(2, {Interface020Radio, Interface420Radio}, "0"),
        radios(2, {ManualRadio, AutoRadio}, "0"),  // manual temperature compensation
        digits(2, CompensationFactorEdit, "200"),  // compensation factor 2,00
        digits(2, ManualTemperatureEdit, "25"),    // temperature for manual compensation
        digits(2, TemperatureLimitEdit, "40"),     // temperature limit
        digits(2, TemperatureDelayEdit, "20"),
        box(2, TemperatureSwitchOffCheck, "1"),
        digits(2, WaterMeter1Edit, "001000"),  // water meters 1 and 2, litres per impulse
        digits(2, WaterMeter2Edit, "001000"),
        // Metering is the button's index + 1: water meter 1 is 1, water meter 2
        // is 2, neither 0 (which selects neither again).
        metering(),
        digits(2, ResolutionEdit, "010000"),  // metering resolution
        digits(2, ImpulseEdit, "005"),        // metering impulse 00,5
        // The unit's language: Dutch is the fifth button, saved as 4.
        radios(2, {GermanRadio, EnglishRadio, FrenchRadio, ItalianRadio, DutchRadio, PolishRadio},
               "0"),
    };
    // The 14 alarm boxes, bits 0 to 13 of the flags word, hidden ones included.
    for (int control = PowerFailureCheck; control <= EmergencyProgramCheck; ++control)
        v.push_back(box(3, control, "0"));
    v.push_back(controller::textValue(3, PrefixEdit, 4));  // outside-line prefix
    // SMS dial-in number: the combo box's text
    v.push_back(controller::textValue(3, SmsNumberCombo, 20));
    v.push_back(controller::textValue(3, AdditionalTextEdit, 30));  // additional text of the SMS
    return v;
}

}  // namespace

// Neither the calibration factor, the zero point nor the access number is kept.
controller::SettingsProfile osmosisSettingsProfile() {
    controller::SettingsProfile profile;
    profile.storeFileName = "aquendorPLN2.set";
    profile.maxNameLength = 38;  // its readers take lines of 39 characters with the line end
    profile.values = osmosisValues();
    profile.placeholder = ' ';
    profile.notFoundEnglish = "setting not found !";
    profile.deleteEmptyEnglish = "no setting to delete";
    profile.selectCorrupt =
        "file aquendorPLN2.set corrupted!\nplease delete aquendorPLN2.set and start again\n"
        "exit program";
    return profile;
}

}  // namespace osmosis
