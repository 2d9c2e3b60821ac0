#include "osmosis/parameter_layout.h"

#include <iterator>

namespace osmosis {

namespace {

using K = controller::FieldKind;
using controller::ParameterField;

ParameterField number(std::size_t offset, int page, int control, const char* format,
                      const char* german, const char* english) {
    return {offset, K::Float, page, control, format, {}, german, english};
}

// A word or byte printed as plain decimal (a "%03d" interval excepted).
ParameterField count(std::size_t offset, K kind, int page, int control, const char* format = "%d") {
    return {offset, kind, page, control, format, {}, "", ""};
}

ParameterField box(std::size_t offset, int page, int control) {
    return {offset, K::Check, page, control, nullptr, {}, "", ""};
}

ParameterField bits(std::size_t offset, int page, std::vector<int> boxes) {
    return {offset, K::Bits, page, boxes.front(), nullptr, std::move(boxes), "", ""};
}

// A radio group whose byte is the button index.
ParameterField group(std::size_t offset, int page, std::vector<int> buttons) {
    return {offset, K::Choice, page, buttons.front(), nullptr, std::move(buttons), "", ""};
}

// "Schliesser" 1, "Öffner" 0.
ParameterField contact(std::size_t offset, int page, std::vector<int> buttons) {
    ParameterField field = group(offset, page, std::move(buttons));
    field.choose = controller::contactButton;
    field.values = {1, 0};
    return field;
}

// Only pump 1 is 2, only pump 2 is 4, alternating 0; any other byte is
// the pumps in series, which the unit is sent as 1.
int pumpButton(int byte) {
    switch (byte) {
        case 2:
            return 0;
        case 4:
            return 1;
        case 0:
            return 2;
        default:
            return 3;
    }
}

ParameterField pumpMode(std::size_t offset, int page, std::vector<int> buttons) {
    ParameterField field = group(offset, page, std::move(buttons));
    field.choose = pumpButton;
    field.values = {2, 4, 0, 1};
    return field;
}

// Water meter 1 is 1, water meter 2 is 2; with neither selected 0 goes out.
int meteringButton(int byte) {
    return byte - 1;
}

ParameterField metering(std::size_t offset, int page, std::vector<int> buttons) {
    ParameterField field = group(offset, page, std::move(buttons));
    field.choose = meteringButton;
    field.values = {1, 2};
    field.noneValue = 0;
    return field;
}

std::vector<ParameterField> buildFields() {
    return {
        number(0, 2, 1166, "%4.2f", "Komp.-Faktor", "comp. factor"),
        number(8, 2, 1133, "%4.2f", "Zellkonstante", "cellconstant"),
        number(16, 2, 1181, "%07.3f", "Wasserz\u00E4hler 1", "water meter 1"),
        number(24, 2, 1185, "%07.3f", "Wasserz\u00E4hler 2", "water meter 2"),
        number(32, 2, 1191, "%07.3f", "Aufl\u00F6sung", "resolution"),
        number(40, 2, 1194, "%04.1f", "Impulsl\u00E4nge", "impulse"),
        number(48, 2, 1136, "%06.1f", "Maximal GW", "maximum LV"),
        number(56, 2, 1143, "%06.1f", "Minimum GW", "minimum LV"),
        count(72, K::Word16, 1, 1068, "%03d"),
        count(80, K::Word16, 1, 1063),
        count(84, K::Byte, 1, 1066),
        box(86, 1, 1074),
        count(88, K::Byte, 1, 1076),
        bits(92, 1, {1057, 1058, 1060, 1059}),
        box(94, 2, 1141),
        count(96, K::Byte, 2, 1139),
        box(98, 2, 1151),
        count(100, K::Byte, 2, 1147),
        group(102, 2, {1163, 1164}),
        count(104, K::Byte, 2, 1169),
        count(106, K::Byte, 2, 1172),
        box(108, 2, 1178),
        count(110, K::Byte, 2, 1175),
        pumpMode(record::kPumpMode, 1, {1079, 1080, 1081, 1082}),
        count(114, K::Byte, 1, 1084),
        count(116, K::Byte, 1, 1086),
        contact(118, 1, {1091, 1092}),
        count(120, K::Byte, 1, 1094),
        count(122, K::Byte, 1, 1096),
        contact(124, 1, {1101, 1102}),
        count(126, K::Byte, 1, 1104),
        contact(130, 1, {1106, 1107}),
        box(132, 1, 1202),
        count(134, K::Byte, 1, 1111),
        contact(136, 1, {1098, 1099}),
        contact(138, 1, {1118, 1119}),
        count(140, K::Byte, 1, 1121),
        contact(142, 1, {1123, 1124}),
        group(144, 1, {1203, 1204}),
        metering(record::kMetering, 2, {1188, 1189}),
        count(148, K::Byte, 1, 1089),
        bits(150, 1, {1128, 1129, 1130, 1131}),
        group(154, 2, {1160, 1161}),
        // Beyond the short form: a short-form unit shows its language, but
        // only the long form sends it back.
        group(record::kLanguage, 2, {1255, 1256, 1257, 1258, 1259, 1260}),
    };
}

}  // namespace

const controller::RecordLayout& osmosisLayout() {
    static const controller::RecordLayout layout{
        {kShortRecordLength, kLongRecordLength, kLongAnswerLength, 4},
        buildFields(),
        {3, record::kDialNumber, 1208, record::kPrefix, 1242, record::kAccessNumber, 1243,
         record::kExtraText, 1248, record::kSmsFlags,
         std::vector<int>(std::begin(kAlarmBoxes), std::end(kAlarmBoxes))}};
    return layout;
}

}  // namespace osmosis
