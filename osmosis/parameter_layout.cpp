#include "osmosis/parameter_layout.h"

#include <iterator>

#include "resources/ids/pln2_ids.h"

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
    using namespace pln2::ids;
    return {
        number(0, 2, CompensationFactorEdit, "%4.2f", "Komp.-Faktor", "comp. factor"),
        number(8, 2, CellConstantEdit, "%4.2f", "Zellkonstante", "cellconstant"),
        number(16, 2, WaterMeter1Edit, "%07.3f", "Wasserz\u00E4hler 1", "water meter 1"),
        number(24, 2, WaterMeter2Edit, "%07.3f", "Wasserz\u00E4hler 2", "water meter 2"),
        number(32, 2, ResolutionEdit, "%07.3f", "Aufl\u00F6sung", "resolution"),
        number(40, 2, ImpulseEdit, "%04.1f", "Impulsl\u00E4nge", "impulse"),
        number(48, 2, MaxLimitEdit, "%06.1f", "Maximal GW", "maximum LV"),
        number(56, 2, MinLimitEdit, "%06.1f", "Minimum GW", "minimum LV"),
        count(72, K::Word16, 1, IntervalEdit, "%03d"),
        count(80, K::Word16, 1, FlushDurationEdit),
        count(84, K::Byte, 1, IntervalDurationEdit),
        box(86, 1, QualityFlushCheck),
        count(88, K::Byte, 1, QualityDurationEdit),
        bits(92, 1, {WithPump1Check, WithPump2Check, WithInletValveCheck, WithOutletValveCheck}),
        box(94, 2, MaxSwitchOffCheck),
        count(96, K::Byte, 2, MaxDelayEdit),
        box(98, 2, MinSwitchOffCheck),
        count(100, K::Byte, 2, MinDelayEdit),
        group(102, 2, {ManualRadio, AutoRadio}),
        count(104, K::Byte, 2, ManualTemperatureEdit),
        count(106, K::Byte, 2, TemperatureLimitEdit),
        box(108, 2, TemperatureSwitchOffCheck),
        count(110, K::Byte, 2, TemperatureDelayEdit),
        pumpMode(record::kPumpMode, 1,
                 {OnlyPump1Radio, OnlyPump2Radio, AlternateRadio, SerialRadio}),
        count(114, K::Byte, 1, DelayPump1Edit),
        count(116, K::Byte, 1, DelayPump2Edit),
        contact(118, 1, {LowPressureNormOpenRadio, LowPressureNormClosedRadio}),
        count(120, K::Byte, 1, LowPressureDelayEdit),
        count(122, K::Byte, 1, RestartEdit),
        contact(124, 1, {ExcessPressureNormOpenRadio, ExcessPressureNormClosedRadio}),
        count(126, K::Byte, 1, ExcessPressureDelayEdit),
        contact(130, 1, {ConcentrateNormOpenRadio, ConcentrateNormClosedRadio}),
        box(132, 1, ConcentrateSwitchOffCheck),
        count(134, K::Byte, 1, ConcentrateDelayEdit),
        contact(136, 1, {MotorNormOpenRadio, MotorNormClosedRadio}),
        contact(138, 1, {StopInputNormOpenRadio, StopInputNormClosedRadio}),
        count(140, K::Byte, 1, StopInputDelayEdit),
        contact(142, 1, {ProgInputNormOpenRadio, ProgInputNormClosedRadio}),
        group(144, 1, {EmergencyProgramRadio, TankOverflowRadio}),
        metering(record::kMetering, 2, {MeteringMeter1Radio, MeteringMeter2Radio}),
        count(148, K::Byte, 1, MaxPressureEdit),
        bits(
            150, 1,
            {RelayConductivityCheck, RelayTankEmptyCheck, RelayProductionCheck, RelayStandbyCheck}),
        group(154, 2, {Interface020Radio, Interface420Radio}),
        // Beyond the short form: a short-form unit shows its language, but
        // only the long form sends it back.
        group(record::kLanguage, 2,
              {GermanRadio, EnglishRadio, FrenchRadio, ItalianRadio, DutchRadio, PolishRadio}),
    };
}

}  // namespace

const controller::RecordLayout& osmosisLayout() {
    using namespace pln2::ids;
    static const controller::RecordLayout layout{
        {kShortRecordLength, kLongRecordLength, kLongAnswerLength, 4},
        buildFields(),
        {3, record::kDialNumber, SmsNumberCombo, record::kPrefix, PrefixEdit, record::kAccessNumber,
         AccessNumberLabel, record::kExtraText, AdditionalTextEdit, record::kSmsFlags,
         std::vector<int>(std::begin(kAlarmBoxes), std::end(kAlarmBoxes))}};
    return layout;
}

}  // namespace osmosis
