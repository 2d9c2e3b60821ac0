#include "softener/parameter_layout.h"

#include <iterator>

namespace softener {

namespace {

using K = controller::FieldKind;

controller::ParameterField number(std::size_t offset, K kind, int page, int control,
                                  const char* format, const char* german, const char* english) {
    return {offset, kind, page, control, format, {}, german, english};
}

controller::ParameterField box(std::size_t offset, int page, int control) {
    return {offset, K::Check, page, control, nullptr, {}, "", ""};
}

// A radio group whose byte is the button index.
controller::ParameterField group(std::size_t offset, int page, std::vector<int> buttons) {
    return {offset, K::Choice, page, buttons.front(), nullptr, std::move(buttons), "", ""};
}

// Normally open (1) or normally closed (0).
controller::ParameterField contact(std::size_t offset, int page, std::vector<int> buttons) {
    controller::ParameterField field = group(offset, page, std::move(buttons));
    field.choose = controller::contactButton;
    field.values = {1, 0};
    return field;
}

// One filter 1, change-over 2, parallel 4, serial 8: 8 is the fourth
// button, any other value v button v / 2.
int plantTypeButton(int byte) {
    return byte == 8 ? 3 : byte / 2;
}

controller::ParameterField plantType(std::size_t offset, int page, std::vector<int> buttons) {
    controller::ParameterField field = group(offset, page, std::move(buttons));
    field.choose = plantTypeButton;
    field.values = {1, 2, 4, 8};
    return field;
}

// 0 °dH, 1 °f, 2 ppmCaCO3: the status page and page 1 name their units after it.
controller::ParameterField hardnessUnit(std::size_t offset, int page, std::vector<int> buttons) {
    controller::ParameterField field = group(offset, page, std::move(buttons));
    field.namesUnit = true;
    return field;
}

std::vector<controller::ParameterField> buildFields() {
    const char* minutes = "%2i";
    return {
        number(0, K::Float, 1, 1291, "%5.1f", "Rohwasserh\u00E4rte", "total water hardness"),
        number(8, K::Float, 2, 1178, "%7.3f", "Wasserz\u00E4hler 1", "water meter 1"),
        number(16, K::Float, 2, 1179, "%07.3f", "Wasserz\u00E4hler 2", "water meter 2"),
        number(40, K::Float, 2, 1186, "%07.3f", "Aufl\u00F6sung", "resolution"),
        number(48, K::Float, 2, 1189, "%04.1f", "Impulsl\u00E4nge", "impulse length"),
        number(56, K::Float, 3, 1259, "%05.1f", "max. H\u00E4rte", "max. hardness"),
        number(64, K::Float, 3, 1262, "%05.1f", "min. H\u00E4rte", "min. hardness"),
        number(72, K::Float, 1, 1105, "%06.0f", "Austauscherkapazit\u00E4t", "exchange capacity"),
        number(100, K::Word16, 1, 1126, "%3i", "", ""),
        number(104, K::Word16, 2, 1162, "%3i", "", ""),
        plantType(108, 1, {1285, 1286, 1288, 1287}),
        group(110, 1, {1096, 1097, 1098}),
        hardnessUnit(114, 1, {1100, 1101, 1102}),
        box(116, 1, 1106),
        box(118, 1, 1109),
        box(120, 1, 1114),
        number(122, K::Byte, 1, 1122, "%2i", "", ""),
        number(124, K::Time, 1, 1110, "%04i", "", ""),
        number(128, K::Time, 1, 1111, "%04i", "", ""),
        number(132, K::Byte, 1, 1117, "%2i", "", ""),
        box(134, 1, 1119),
        box(136, 1, 1124),
        number(138, K::Byte, 1, 1131, "%i", "", ""),
        number(142, K::Byte, 1, 1136, minutes, "", ""),
        number(144, K::Byte, 1, 1137, minutes, "", ""),
        number(146, K::Byte, 1, 1138, minutes, "", ""),
        number(148, K::Byte, 1, 1139, minutes, "", ""),
        number(150, K::Byte, 1, 1145, minutes, "", ""),
        number(152, K::Byte, 1, 1150, minutes, "", ""),
        number(154, K::Byte, 1, 1151, minutes, "", ""),
        number(156, K::Byte, 1, 1152, minutes, "", ""),
        group(158, 2, {1269, 1270}),
        number(160, K::Byte, 2, 1160, "%1i", "", ""),
        box(162, 2, 1272),
        number(164, K::Byte, 2, 1166, "%1i", "", ""),
        number(166, K::Byte, 2, 1171, minutes, "", ""),
        number(168, K::Byte, 2, 1172, minutes, "", ""),
        number(170, K::Byte, 2, 1173, minutes, "", ""),
        number(172, K::Byte, 2, 1174, minutes, "", ""),
        contact(174, 2, {1183, 1184}),
        box(176, 2, 1192),
        number(178, K::Byte, 2, 1194, "%i", "", ""),
        number(180, K::Byte, 2, 1196, minutes, "", ""),
        contact(182, 3, {1227, 1228}),
        number(184, K::Byte, 3, 1230, minutes, "", ""),
        box(186, 3, 1232),
        contact(188, 3, {1234, 1235}),
        number(190, K::Byte, 3, 1237, minutes, "", ""),
        box(192, 3, 1239),
        contact(194, 3, {1212, 1213}),
        number(196, K::Byte, 3, 1215, minutes, "", ""),
        box(198, 3, 1217),
        contact(200, 3, {1219, 1220}),
        number(202, K::Byte, 3, 1222, minutes, "", ""),
        box(204, 3, 1224),
        contact(206, 2, {1205, 1206}),
        number(208, K::Byte, 2, 1208, minutes, "", ""),
        contact(210, 2, {1199, 1200}),
        number(212, K::Byte, 2, 1202, minutes, "", ""),
        box(214, 2, 1204),
        contact(216, 3, {1241, 1242}),
        number(218, K::Byte, 3, 1244, minutes, "", ""),
        box(220, 3, 1246),
        contact(222, 3, {1248, 1249}),
        number(224, K::Byte, 3, 1251, minutes, "", ""),
        box(226, 3, 1253),
        group(228, 3, {1255, 1256}),
        box(230, 3, 1257),
        group(234, 3, {1277, 1278, 1279, 1280, 1281, 1282}),
        number(238, K::Byte, 1, 1273, "%i", "", ""),
    };
}

}  // namespace

const controller::RecordLayout& softenerLayout() {
    static const controller::RecordLayout layout{
        {kShortRecordLength, kLongRecordLength, 415, 7},
        buildFields(),
        {4, sms::kDialNumber, 1034, sms::kPrefix, 1318, sms::kAccessNumber, 1319, sms::kExtraText,
         1291, sms::kFlags,
         std::vector<int>(std::begin(sms::kFlagBoxes), std::end(sms::kFlagBoxes))}};
    return layout;
}

const std::vector<controller::ParameterField>& shortFormFields() {
    return softenerLayout().fields;
}

}  // namespace softener
