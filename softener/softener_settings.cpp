#include "softener/softener_settings.h"

#include <stdexcept>

#include "resources/ids/ksv2_ids.h"
#include "softener/parameter_layout.h"

namespace softener {

namespace {

// A radio group's buttons as the parameter record knows them.
std::vector<int> groupButtons(int page, int first) {
    for (const controller::ParameterField& field : shortFormFields())
        if (field.page == page && field.control == first && !field.buttons.empty())
            return field.buttons;
    throw std::logic_error("no radio group starts with this button");
}

controller::SettingValue radio(int page, int first, const char* factory) {
    controller::SettingValue v = controller::stateValue(page, first, factory);
    v.buttons = groupButtons(page, first);
    return v;
}

// Short names for the table below.
constexpr auto box = controller::stateValue;
constexpr auto digits = controller::digitsValue;
constexpr auto text = controller::textValue;

std::vector<controller::SettingValue> softenerValues() {
    using namespace ksv2::ids;
    std::vector<controller::SettingValue> v = {
        radio(1, OneFilterRadio, "1"),            // plant type: two-filter change-over
        radio(1, ValveChangeOverRadio, "0"),      // valve type
        digits(1, RawHardnessEdit, "0100"),       // total water hardness
        radio(1, UnitDHRadio, "0"),               // hardness unit °dH
        digits(1, CapacityEdit, "000100"),        // exchange capacity
        box(1, CalcCapacityCheck, "0"),           // calc. filter capacity
        box(1, RegenerationDelayCheck, "0"),      // regeneration delay
        digits(1, RegenerationFromEdit, "1800"),  // regeneration at
        digits(1, RegenerationToEdit, "0800"),    // regeneration to
        box(1, BvOnCheck, "1"),                   // BV on (1-f.)
        digits(1, TriggerCapacityEdit, "00"),     // premature trigger, residual capacity %
        box(1, EconomicSaltingCheck, "0"),        // economic salting
        digits(1, IntervalDaysEdit, "00"),        // regeneration interval, days
        box(1, BeforeServiceCheck, "0"),          // regeneration before service
        digits(1, MinPauseEdit, "060"),           // min. regeneration pause
        digits(1, StageCountEdit, "3"),           // number of stages
        digits(1, Stage1Edit, "05"),              // stages 1 to 8
        digits(1, Stage2Edit, "60"),
        digits(1, Stage3Edit, "10"),
        digits(1, Stage4Edit, "10"),
        digits(1, Stage5Edit, "00"),
        digits(1, Stage6Edit, "00"),
        digits(1, Stage7Edit, "00"),
        digits(1, Stage8Edit, "00"),
        digits(1, MaxNumberEdit, "0"),           // regeneration counter, max. number
        radio(2, StartProg1Radio, "1"),          // start of supplementary program 1: "Start Reg."
        digits(2, Program1StageEdit, "1"),       // supplementary program 1 start stage
        digits(2, Program1DurationEdit, "000"),  // supplementary program 1 duration
        box(2, BvOffCheck, "0"),                 // BV off with start ZP1
        digits(2, Program2StageEdit, "1"),       // supplementary program 2 start stage
        digits(2, Program2Time1Edit, "00"),      // supplementary program 2 times 1 to 4
        digits(2, Program2Time2Edit, "00"),
        digits(2, Program2Time3Edit, "00"),
        digits(2, Program2Time4Edit, "00"),
        radio(2, StartInputNormOpenRadio, "0"),    // start input contact
        digits(2, StartInputDelayEdit, "15"),      // start input delay
        digits(2, WaterMeter1RateEdit, "100000"),  // water meter 1, l/imp.
        digits(2, WaterMeter2RateEdit, "010000"),  // water meter 2, l/imp.
        radio(2, DosingMeter1Radio, "0"),          // dosing water meter
        digits(2, ResolutionEdit, "100000"),       // dosing resolution
        digits(2, ImpulseLengthEdit, "001"),       // impulse length
        box(2, DisinfectionCheck, "0"),            // disinfection on
        digits(2, DisinfectionStageEdit, "2"),     // disinfection start stage
        digits(2, SuctionTimeEdit, "30"),          // min. suction time
        radio(2, StopInputNormOpenRadio, "0"),     // stop input contact
        digits(2, StopInputDelayEdit, "05"),       // stop input delay
        box(2, StopInputAlarmCheck, "0"),          // stop input function alarm
        radio(3, Svc1NormOpenRadio, "0"),          // SVC 1 contact, delay, function alarm
        digits(3, Svc1DelayEdit, "10"),
        box(3, Svc1AlarmCheck, "1"),
        radio(3, Svc2NormOpenRadio, "0"),  // SVC 2
        digits(3, Svc2DelayEdit, "10"),
        box(3, Svc2AlarmCheck, "1"),
        radio(3, Prog1NormOpenRadio, "0"),  // PROG1 contact, delay, chemicals low
        digits(3, Prog1DelayEdit, "03"),
        box(3, ChemicalsLowCheck, "1"),
        radio(3, Interface020Radio, "0"),    // interface "0 - 20 mA"
        box(3, K3300DuoCheck, "0"),          // K3300 DUO
        digits(3, MaxHardnessEdit, "0250"),  // max. hardness
        digits(3, MinHardnessEdit, "0025"),  // min. hardness
        radio(3, Alc1NormOpenRadio, "0"),    // ALC 1
        digits(3, Alc1DelayEdit, "10"),
        box(3, Alc1AlarmCheck, "1"),
        radio(3, Alc2NormOpenRadio, "0"),  // ALC 2
        digits(3, Alc2DelayEdit, "10"),
        box(3, Alc2AlarmCheck, "1"),
        radio(3, Prog2NormOpenRadio, "0"),  // PROG2 contact, delay, chemicals overflow
        digits(3, Prog2DelayEdit, "03"),
        box(3, ChemicalsOverflowCheck, "1"),
        radio(3, GermanRadio, "0"),  // language of the unit
    };
    // send SMS on alarm, the boxes in the order of their numbers
    for (int control = PowerFailureCheck; control <= ErrorHardnessCheck; ++control)
        v.push_back(box(4, control, "0"));
    v.push_back(text(4, PrefixEdit, 4));           // "Amtsvorwahl" prefix
    v.push_back(text(4, SmsNumberCombo, 20));      // SMS dial-in number
    v.push_back(text(4, AdditionalTextEdit, 30));  // additional text of the alarm SMS
    // regeneration interval active
    controller::SettingValue interval = box(1, IntervalActiveCheck, "0");
    interval.kind = controller::ValueKind::Flag;
    interval.enables = {IntervalDaysEdit};
    v.push_back(interval);
    return v;
}

}  // namespace

controller::SettingsProfile softenerSettingsProfile() {
    controller::SettingsProfile profile;
    profile.storeFileName = "AquendorKSV2.set";
    profile.values = softenerValues();
    profile.notFoundEnglish = "Einstellung nicht gefunden !";
    profile.deleteEmptyEnglish = "no setting selected to delete";
    profile.selectCorrupt =
        "file AquendorKSV2.set corrupt!\nplease delete AquendorKSV2.set and start again\n"
        "exit program";
    return profile;
}

}  // namespace softener
