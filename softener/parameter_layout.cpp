#include "softener/parameter_layout.h"

#include <iterator>

#include "resources/ids/ksv2_ids.h"

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
    using namespace ksv2::ids;
    const char* minutes = "%2i";
    return {
        number(0, K::Float, 1, RawHardnessEdit, "%5.1f", "Rohwasserh\u00E4rte",
               "total water hardness"),
        number(8, K::Float, 2, WaterMeter1RateEdit, "%7.3f", "Wasserz\u00E4hler 1",
               "water meter 1"),
        number(16, K::Float, 2, WaterMeter2RateEdit, "%07.3f", "Wasserz\u00E4hler 2",
               "water meter 2"),
        number(40, K::Float, 2, ResolutionEdit, "%07.3f", "Aufl\u00F6sung", "resolution"),
        number(48, K::Float, 2, ImpulseLengthEdit, "%04.1f", "Impulsl\u00E4nge", "impulse length"),
        number(56, K::Float, 3, MaxHardnessEdit, "%05.1f", "max. H\u00E4rte", "max. hardness"),
        number(64, K::Float, 3, MinHardnessEdit, "%05.1f", "min. H\u00E4rte", "min. hardness"),
        number(72, K::Float, 1, CapacityEdit, "%06.0f", "Austauscherkapazit\u00E4t",
               "exchange capacity"),
        number(100, K::Word16, 1, MinPauseEdit, "%3i", "", ""),
        number(104, K::Word16, 2, Program1DurationEdit, "%3i", "", ""),
        plantType(108, 1, {OneFilterRadio, ChangeOverRadio, ParallelRadio, SerialRadio}),
        group(110, 1, {ValveChangeOverRadio, ValveImpulseRadio, ValvePilotRadio}),
        hardnessUnit(114, 1, {UnitDHRadio, UnitFRadio, UnitPpmRadio}),
        box(116, 1, CalcCapacityCheck),
        box(118, 1, RegenerationDelayCheck),
        box(120, 1, BvOnCheck),
        number(122, K::Byte, 1, IntervalDaysEdit, "%2i", "", ""),
        number(124, K::Time, 1, RegenerationFromEdit, "%04i", "", ""),
        number(128, K::Time, 1, RegenerationToEdit, "%04i", "", ""),
        number(132, K::Byte, 1, TriggerCapacityEdit, "%2i", "", ""),
        box(134, 1, EconomicSaltingCheck),
        box(136, 1, BeforeServiceCheck),
        number(138, K::Byte, 1, StageCountEdit, "%i", "", ""),
        number(142, K::Byte, 1, Stage1Edit, minutes, "", ""),
        number(144, K::Byte, 1, Stage2Edit, minutes, "", ""),
        number(146, K::Byte, 1, Stage3Edit, minutes, "", ""),
        number(148, K::Byte, 1, Stage4Edit, minutes, "", ""),
        number(150, K::Byte, 1, Stage5Edit, minutes, "", ""),
        number(152, K::Byte, 1, Stage6Edit, minutes, "", ""),
        number(154, K::Byte, 1, Stage7Edit, minutes, "", ""),
        number(156, K::Byte, 1, Stage8Edit, minutes, "", ""),
        group(158, 2, {StartProg1Radio, StartRegRadio}),
        number(160, K::Byte, 2, Program1StageEdit, "%1i", "", ""),
        box(162, 2, BvOffCheck),
        number(164, K::Byte, 2, Program2StageEdit, "%1i", "", ""),
        number(166, K::Byte, 2, Program2Time1Edit, minutes, "", ""),
        number(168, K::Byte, 2, Program2Time2Edit, minutes, "", ""),
        number(170, K::Byte, 2, Program2Time3Edit, minutes, "", ""),
        number(172, K::Byte, 2, Program2Time4Edit, minutes, "", ""),
        contact(174, 2, {DosingMeter1Radio, DosingMeter2Radio}),
        box(176, 2, DisinfectionCheck),
        number(178, K::Byte, 2, DisinfectionStageEdit, "%i", "", ""),
        number(180, K::Byte, 2, SuctionTimeEdit, minutes, "", ""),
        contact(182, 3, {Svc1NormOpenRadio, Svc1NormClosedRadio}),
        number(184, K::Byte, 3, Svc1DelayEdit, minutes, "", ""),
        box(186, 3, Svc1AlarmCheck),
        contact(188, 3, {Svc2NormOpenRadio, Svc2NormClosedRadio}),
        number(190, K::Byte, 3, Svc2DelayEdit, minutes, "", ""),
        box(192, 3, Svc2AlarmCheck),
        contact(194, 3, {Alc1NormOpenRadio, Alc1NormClosedRadio}),
        number(196, K::Byte, 3, Alc1DelayEdit, minutes, "", ""),
        box(198, 3, Alc1AlarmCheck),
        contact(200, 3, {Alc2NormOpenRadio, Alc2NormClosedRadio}),
        number(202, K::Byte, 3, Alc2DelayEdit, minutes, "", ""),
        box(204, 3, Alc2AlarmCheck),
        contact(206, 2, {StartInputNormOpenRadio, StartInputNormClosedRadio}),
        number(208, K::Byte, 2, StartInputDelayEdit, minutes, "", ""),
        contact(210, 2, {StopInputNormOpenRadio, StopInputNormClosedRadio}),
        number(212, K::Byte, 2, StopInputDelayEdit, minutes, "", ""),
        box(214, 2, StopInputAlarmCheck),
        contact(216, 3, {Prog1NormOpenRadio, Prog1NormClosedRadio}),
        number(218, K::Byte, 3, Prog1DelayEdit, minutes, "", ""),
        box(220, 3, ChemicalsLowCheck),
        contact(222, 3, {Prog2NormOpenRadio, Prog2NormClosedRadio}),
        number(224, K::Byte, 3, Prog2DelayEdit, minutes, "", ""),
        box(226, 3, ChemicalsOverflowCheck),
        group(228, 3, {Interface020Radio, Interface420Radio}),
        box(230, 3, K3300DuoCheck),
        group(234, 3,
              {GermanRadio, EnglishRadio, FrenchRadio, ItalianRadio, PolishRadio, DutchRadio}),
        number(238, K::Byte, 1, MaxNumberEdit, "%i", "", ""),
    };
}

}  // namespace

const controller::RecordLayout& softenerLayout() {
    using namespace ksv2::ids;
    static const controller::RecordLayout layout{
        {kShortRecordLength, kLongRecordLength, 415, 7},
        buildFields(),
        {4, sms::kDialNumber, SmsNumberCombo, sms::kPrefix, PrefixEdit, sms::kAccessNumber,
         AccessNumberLabel, sms::kExtraText, AdditionalTextEdit, sms::kFlags,
         std::vector<int>(std::begin(sms::kFlagBoxes), std::end(sms::kFlagBoxes))}};
    return layout;
}

const std::vector<controller::ParameterField>& shortFormFields() {
    return softenerLayout().fields;
}

}  // namespace softener
