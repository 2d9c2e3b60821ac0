#include "osmosis/osmosis_setting_values.h"

#include <cstring>

namespace osmosis {

namespace {

using K = SettingKind;

SettingLine digits(int line, int page, int control, const char* factory) {
    return {line, K::Digits, page, control, {}, {}, -1, {}, std::strlen(factory), factory};
}

SettingLine state(int line, int page, int control, const char* factory) {
    return {line, K::State, page, control, {}, {}, -1, {}, 1, factory};
}

SettingLine radios(int line, int page, std::vector<int> buttons, const char* factory,
                   std::vector<int> codes = {}, int otherButton = -1) {
    const int first = buttons.front();
    return {line,        K::State, page, first,  std::move(buttons), std::move(codes),
            otherButton, {},       1,    factory};
}

// "Schliesser" is written 1, "Öffner" 0.
SettingLine contact(int line, int first, const char* factory) {
    return radios(line, 1, {first, first + 1}, factory, {1, 0});
}

SettingLine bitBoxes(int line, std::vector<std::pair<int, int>> boxes, const char* factory) {
    const int first = boxes.front().first;
    return {line, K::Bits, 1, first, {}, {}, -1, std::move(boxes), 1, factory};
}

SettingLine text(int line, int control, std::size_t width) {
    return {line, K::Text, 3, control, {}, {}, -1, {}, width, ""};
}

std::vector<SettingLine> buildLines() {
    std::vector<SettingLine> lines = {
        // Flushing with pump 2 and both valves.
        bitBoxes(1, {{1057, 1}, {1058, 2}, {1060, 4}, {1059, 8}}, "14"),
        digits(2, 1, 1063, "01"),
        digits(3, 1, 1066, "02"),
        digits(4, 1, 1068, "090"),
        state(5, 1, 1074, "0"),
        digits(6, 1, 1076, "05"),
        // Pump mode as the unit's byte; any other number selects serial.
        radios(7, 1, {1079, 1080, 1081, 1082}, "2", {2, 4, 0, 1}, 3),
        digits(8, 1, 1084, "10"),
        digits(9, 1, 1086, "10"),
        digits(10, 1, 1089, "20"),
        bitBoxes(11, {{1128, 1}, {1129, 2}, {1130, 4}, {1131, 8}}, "1"),
        contact(12, 1091, "1"),
        digits(13, 1, 1094, "05"),
        digits(14, 1, 1096, "3"),
        contact(15, 1098, "1"),
        contact(16, 1101, "1"),
        digits(17, 1, 1104, "03"),
        contact(18, 1106, "1"),
        digits(19, 1, 1111, "20"),
        state(20, 1, 1202, "1"),
        contact(21, 1118, "1"),
        digits(22, 1, 1121, "01"),
        contact(23, 1123, "1"),
        radios(24, 1, {1203, 1204}, "1"),
        digits(25, 2, 1133, "010"),
        digits(26, 2, 1136, "01000"),
        digits(27, 2, 1139, "10"),
        state(28, 2, 1141, "1"),
        digits(29, 2, 1143, "00010"),
        digits(30, 2, 1147, "20"),
        state(31, 2, 1151, "1"),
        radios(32, 2, {1160, 1161}, "0"),
        radios(33, 2, {1163, 1164}, "0"),
        digits(34, 2, 1166, "200"),
        digits(35, 2, 1169, "25"),
        digits(36, 2, 1172, "40"),
        digits(37, 2, 1175, "20"),
        state(38, 2, 1178, "1"),
        digits(39, 2, 1181, "001000"),
        digits(40, 2, 1185, "001000"),
        // Metering through water meter 1 is 1, through water meter 2 is 2.
        radios(41, 2, {1188, 1189}, "1", {1, 2}),
        digits(42, 2, 1191, "010000"),
        digits(43, 2, 1194, "005"),
        // Dutch is 4, Polish 5.
        radios(44, 2, {1255, 1256, 1257, 1258, 1259, 1260}, "0"),
    };
    // The 14 alarm boxes, bits 0 to 13 of the flags word, hidden ones included.
    for (int box = 1223; box <= 1236; ++box) lines.push_back(state(45 + box - 1223, 3, box, "0"));
    lines.push_back(text(59, 1242, 4));   // outside-line prefix
    lines.push_back(text(60, 1208, 20));  // SMS dial-in number: the combo box's edit text
    lines.push_back(text(61, 1248, 30));  // additional text of the SMS
    return lines;
}

}  // namespace

const std::vector<SettingLine>& settingLines() {
    static const std::vector<SettingLine> lines = buildLines();
    return lines;
}

const SettingsStoreTexts& settingsStoreTexts() {
    static const SettingsStoreTexts texts{
        "aquendorPLN2.set",
        9,
        39,
        "setting not found !",
        "no setting to delete",
        "file aquendorPLN2.set corrupted!\nplease delete aquendorPLN2.set and start again\n"
        "exit program"};
    return texts;
}

}  // namespace osmosis
