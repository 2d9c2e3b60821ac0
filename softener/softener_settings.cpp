#include "softener/softener_settings.h"

#include <stdexcept>

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
    std::vector<controller::SettingValue> v = {
        radio(1, 1285, "1"),        // plant type: two-filter change-over
        radio(1, 1096, "0"),        // valve type
        digits(1, 1291, "0100"),    // total water hardness
        radio(1, 1100, "0"),        // hardness unit °dH
        digits(1, 1105, "000100"),  // exchange capacity
        box(1, 1106, "0"),          // calc. filter capacity
        box(1, 1109, "0"),          // regeneration delay
        digits(1, 1110, "1800"),    // regeneration at
        digits(1, 1111, "0800"),    // regeneration to
        box(1, 1114, "1"),          // BV on (1-f.)
        digits(1, 1117, "00"),      // premature trigger, residual capacity %
        box(1, 1119, "0"),          // economic salting
        digits(1, 1122, "00"),      // regeneration interval, days
        box(1, 1124, "0"),          // regeneration before service
        digits(1, 1126, "060"),     // min. regeneration pause
        digits(1, 1131, "3"),       // number of stages
        digits(1, 1136, "05"),      // stages 1 to 8
        digits(1, 1137, "60"),     digits(1, 1138, "10"),
        digits(1, 1139, "10"),     digits(1, 1145, "00"),
        digits(1, 1150, "00"),     digits(1, 1151, "00"),
        digits(1, 1152, "00"),     digits(1, 1273, "0"),  // regeneration counter, max. number
        radio(2, 1269, "1"),     // start of supplementary program 1: "Start Reg."
        digits(2, 1160, "1"),    // supplementary program 1 start stage
        digits(2, 1162, "000"),  // supplementary program 1 duration
        box(2, 1272, "0"),       // BV off with start ZP1
        digits(2, 1166, "1"),    // supplementary program 2 start stage
        digits(2, 1171, "00"),   // supplementary program 2 times 1 to 4
        digits(2, 1172, "00"),     digits(2, 1173, "00"),
        digits(2, 1174, "00"),     radio(2, 1205, "0"),  // start input contact
        digits(2, 1208, "15"),                           // start input delay
        digits(2, 1178, "100000"),                       // water meter 1, l/imp.
        digits(2, 1179, "010000"),                       // water meter 2, l/imp.
        radio(2, 1183, "0"),                             // dosing water meter
        digits(2, 1186, "100000"),                       // dosing resolution
        digits(2, 1189, "001"),                          // impulse length
        box(2, 1192, "0"),                               // disinfection on
        digits(2, 1194, "2"),                            // disinfection start stage
        digits(2, 1196, "30"),                           // min. suction time
        radio(2, 1199, "0"),                             // stop input contact
        digits(2, 1202, "05"),                           // stop input delay
        box(2, 1204, "0"),                               // stop input function alarm
        radio(3, 1227, "0"),                             // SVC 1 contact, delay, function alarm
        digits(3, 1230, "10"),     box(3, 1232, "1"),
        radio(3, 1234, "0"),  // SVC 2
        digits(3, 1237, "10"),     box(3, 1239, "1"),
        radio(3, 1241, "0"),  // PROG1 contact, delay, chemicals low
        digits(3, 1244, "03"),     box(3, 1246, "1"),
        radio(3, 1255, "0"),      // interface "0 - 20 mA"
        box(3, 1257, "0"),        // K3300 DUO
        digits(3, 1259, "0250"),  // max. hardness
        digits(3, 1262, "0025"),  // min. hardness
        radio(3, 1212, "0"),      // ALC 1
        digits(3, 1215, "10"),     box(3, 1217, "1"),
        radio(3, 1219, "0"),  // ALC 2
        digits(3, 1222, "10"),     box(3, 1224, "1"),
        radio(3, 1248, "0"),  // PROG2 contact, delay, chemicals overflow
        digits(3, 1251, "03"),     box(3, 1253, "1"),
        radio(3, 1277, "0"),  // language of the unit
    };
    for (int control = 1299; control <= 1311; ++control)  // send SMS on alarm
        v.push_back(box(4, control, "0"));
    v.push_back(text(4, 1318, 4));                          // "Amtsvorwahl" prefix
    v.push_back(text(4, 1034, 20));                         // SMS dial-in number
    v.push_back(text(4, 1291, 30));                         // additional text of the alarm SMS
    controller::SettingValue interval = box(1, 1156, "0");  // regeneration interval active
    interval.kind = controller::ValueKind::Flag;
    interval.enables = {1122};
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
