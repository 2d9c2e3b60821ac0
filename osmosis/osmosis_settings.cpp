#include "osmosis/osmosis_settings.h"

namespace osmosis {

namespace {

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
    SettingValue v = radios(2, {1188, 1189}, "1", {1, 2});
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
        bitBoxes({{1057, 1}, {1058, 2}, {1060, 4}, {1059, 8}}, "14"),
        digits(1, 1063, "01"),   // flush duration
        digits(1, 1066, "02"),   // interval flush duration
        digits(1, 1068, "090"),  // interval flush interval, hours
        box(1, 1074, "0"),       // quality flush
        digits(1, 1076, "05"),   // quality flush duration
        // Pump mode as the unit's byte: only pump 1; any other number selects serial.
        radios(1, {1079, 1080, 1081, 1082}, "2", {2, 4, 0, 1}, 3),
        digits(1, 1084, "10"),                                        // delay pump 1
        digits(1, 1086, "10"),                                        // delay pump 2
        digits(1, 1089, "20"),                                        // maximum pressure
        bitBoxes({{1128, 1}, {1129, 2}, {1130, 4}, {1131, 8}}, "1"),  // relay "PR": "CD1 max."
        contact(1091, "1"),                                           // low water pressure
        digits(1, 1094, "05"),
        digits(1, 1096, "3"),  // restarts
        contact(1098, "1"),    // motor protection
        contact(1101, "1"),    // excess pressure
        digits(1, 1104, "03"),
        contact(1106, "1"),  // concentrate flow
        digits(1, 1111, "20"),
        box(1, 1202, "1"),   // concentrate flow switch-off
        contact(1118, "1"),  // "STOP"
        digits(1, 1121, "01"),
        contact(1123, "1"),            // "PROG"
        radios(1, {1203, 1204}, "1"),  // "PROG" function: tank overflow
        digits(2, 1133, "010"),        // cell constant 0,10
        digits(2, 1136, "01000"),      // maximum LV 0100,0
        digits(2, 1139, "10"),
        box(2, 1141, "1"),
        digits(2, 1143, "00010"),  // minimum LV 0001,0
        digits(2, 1147, "20"),
        box(2, 1151, "1"),
        radios(2, {1160, 1161}, "0"),  // conductivity interface "0 - 20mA"
        radios(2, {1163, 1164}, "0"),  // manual temperature compensation
        digits(2, 1166, "200"),        // compensation factor 2,00
        digits(2, 1169, "25"),         // temperature for manual compensation
        digits(2, 1172, "40"),         // temperature limit
        digits(2, 1175, "20"),
        box(2, 1178, "1"),
        digits(2, 1181, "001000"),  // water meters 1 and 2, litres per impulse
        digits(2, 1185, "001000"),
        // Metering is the button's index + 1: water meter 1 is 1, water meter 2
        // is 2, neither 0 (which selects neither again).
        metering(),
        digits(2, 1191, "010000"),  // metering resolution
        digits(2, 1194, "005"),     // metering impulse 00,5
        // The unit's language: Dutch is the fifth button, saved as 4.
        radios(2, {1255, 1256, 1257, 1258, 1259, 1260}, "0"),
    };
    // The 14 alarm boxes, bits 0 to 13 of the flags word, hidden ones included.
    for (int control = 1223; control <= 1236; ++control) v.push_back(box(3, control, "0"));
    v.push_back(controller::textValue(3, 1242, 4));   // outside-line prefix
    v.push_back(controller::textValue(3, 1208, 20));  // SMS dial-in number: the combo box's text
    v.push_back(controller::textValue(3, 1248, 30));  // additional text of the SMS
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
