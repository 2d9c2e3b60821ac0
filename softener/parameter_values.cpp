#include "softener/parameter_values.h"

#include "controller/field_names.h"
#include "resources/ids/ksv2_ids.h"
#include "softener/parameter_layout.h"

namespace softener {

namespace {

using controller::choiceField;
using controller::contactField;
using controller::FieldName;
using controller::flagField;
using controller::maskedField;
using controller::OptionName;
using controller::secondsField;
using controller::UnitFrom;

const char* const kMinutes = "min.";
const char* const kLitresGerman = "L/Imp.";
const char* const kLitresEnglish = "l/imp.";

FieldName minutes(std::size_t offset, const char* name, const char* german, const char* english) {
    return maskedField(offset, name, german, english, "##", kMinutes);
}

// A one-digit stage field the page checks on leaving it.
FieldName stage(std::size_t offset, const char* name, const char* german, const char* english,
                int least, int most, const char* limitedBy) {
    FieldName field = maskedField(offset, name, german, english, "#");
    field.least = least;
    field.most = most;
    field.limitedBy = limitedBy;
    return field;
}

FieldName followsHardnessUnit(FieldName field, UnitFrom from) {
    field.unitFrom = from;
    return field;
}

std::vector<FieldName> regenerationNames() {
    return {
        followsHardnessUnit(maskedField(0, "raw_water_hardness", "Rohwasserh\u00E4rte",
                                        "total water hardness", "###,#"),
                            UnitFrom::Hardness),
        followsHardnessUnit(maskedField(72, "exchange_capacity", "Austauscherkapazit\u00E4t",
                                        "exchange capacity", "######"),
                            UnitFrom::Capacity),
        maskedField(100, "min_regeneration_pause", "Minimaler Regenerationsabstand",
                    "min. regeneration pause", "###", kMinutes),
        choiceField(108, "plant_type", "Anlagentyp", "type of plant",
                    {{"one_filter", "Einfilter", "one filter"},
                     {"change_over", "2-F. Wechsel", "2-f. change-over"},
                     {"parallel", "2-F. Parallel", "2-f. parallel"},
                     {"serial", "2-F. Reihe", "2-f. serial"}}),
        choiceField(110, "valve_type", "Ventilansteuerung", "valve type",
                    {{"change_over", "Wechsler", "change-over"},
                     {"impulse", "Impuls", "impulse"},
                     {"pilot_valves", "Pilotventile", "pilot valves"}}),
        choiceField(114, "hardness_unit", "H\u00E4rteeinheit", "hardness unit",
                    {{"dh", "\u00B0dH", "\u00B0dH"},
                     {"f", "\u00B0f", "\u00B0f"},
                     {"ppm_caco3", "ppmCaCO3", "ppmCaCO3"}}),
        flagField(116, "calc_filter_capacity", "Filterkapazit\u00E4t berechnen",
                  "calc. filter capacity"),
        flagField(118, "regeneration_delay", "Regenerationsverz\u00F6gerung", "regeneration delay"),
        flagField(120, "bv_on_one_filter", "BV auf (1-F.)", "BV on (1-f.)"),
        maskedField(122, "regeneration_interval", "Regenerationsintervall", "regeneration interval",
                    "##", "Tage", "days"),
        maskedField(124, "regeneration_from", "Regeneration ab", "regeneration at", "##:##"),
        maskedField(128, "regeneration_to", "Regeneration bis", "regeneration to", "##:##"),
        maskedField(132, "premature_trigger",
                    "Vorzeitige Regenerationsausl\u00F6sung: Restkapazit\u00E4t",
                    "premature regeneration trigger: residual capacity", "##", "%"),
        flagField(134, "economic_salting", "Sparbesalzung", "economic salting"),
        flagField(136, "regeneration_before_service", "Regeneration vor Betrieb",
                  "regeneration before service"),
        stage(138, "stage_count", "Anzahl Stufen", "max. stages", 1, 8, nullptr),
        minutes(142, "stage_1", "Stufe 1", "stage 1"),
        minutes(144, "stage_2", "Stufe 2", "stage 2"),
        minutes(146, "stage_3", "Stufe 3", "stage 3"),
        minutes(148, "stage_4", "Stufe 4", "stage 4"),
        minutes(150, "stage_5", "Stufe 5", "stage 5"),
        minutes(152, "stage_6", "Stufe 6", "stage 6"),
        minutes(154, "stage_7", "Stufe 7", "stage 7"),
        minutes(156, "stage_8", "Stufe 8", "stage 8"),
        maskedField(238, "regeneration_counter", "Regenerationsz\u00E4hler: max. Anzahl",
                    "regeneration counter: max. number", "#"),
    };
}

std::vector<FieldName> programNames() {
    return {
        maskedField(104, "program_1_duration", "Zusatzprogramm 1: Dauer",
                    "supplementary program 1: duration", "###", kMinutes),
        choiceField(158, "program_1_start", "Zusatzprogramm 1: Start",
                    "supplementary program 1: start",
                    {{"start_prog1", "Start Prog1", "start prog1"},
                     {"start_reg", "Start Reg.", "start reg."}}),
        stage(160, "program_1_start_stage", "Zusatzprogramm 1: Start-Stufe",
              "supplementary program 1: start stage", 0, -1, "stage_count"),
        flagField(162, "bv_off_with_program_1", "BV zu bei Start ZP1", "BV off with start ZP1"),
        stage(164, "program_2_start_stage", "Zusatzprogramm 2: Start-Stufe",
              "supplementary program 2: start stage", 1, -1, "stage_count"),
        minutes(166, "program_2_time_1", "Zusatzprogramm 2: Zeit 1 AUS",
                "supplementary program 2: time 1 OFF"),
        minutes(168, "program_2_time_2", "Zusatzprogramm 2: Zeit 2 EIN",
                "supplementary program 2: time 2 ON"),
        minutes(170, "program_2_time_3", "Zusatzprogramm 2: Zeit 3 AUS",
                "supplementary program 2: time 3 OFF"),
        minutes(172, "program_2_time_4", "Zusatzprogramm 2: Zeit 4 EIN",
                "supplementary program 2: time 4 ON"),
    };
}

std::vector<FieldName> meterNames() {
    return {
        maskedField(8, "water_meter_1_rate", "Wasserz\u00E4hler 1", "water meter 1", "###.###",
                    kLitresGerman, kLitresEnglish),
        maskedField(16, "water_meter_2_rate", "Wasserz\u00E4hler 2", "water meter 2", "###.###",
                    kLitresGerman, kLitresEnglish),
        maskedField(40, "dosing_resolution", "Dosierung: Aufl\u00F6sung", "dosing: resolution",
                    "###.###", kLitresGerman, kLitresEnglish),
        maskedField(48, "dosing_impulse_length", "Dosierung: Impulsl\u00E4nge",
                    "dosing: impulse length", "##.#", "s"),
        choiceField(174, "dosing", "Dosierung", "dosing",
                    {{"water_meter_1", "\u00FCber Wasserz\u00E4hler 1", "active water meter 1"},
                     {"water_meter_2", "\u00FCber Wasserz\u00E4hler 2", "active water meter 2"}}),
        flagField(176, "disinfection", "Desinfektion", "disinfection"),
        maskedField(178, "disinfection_start_stage", "Desinfektion: Start-Stufe",
                    "disinfection: start stage", "#"),
        minutes(180, "min_suction_time", "Minimale Saugzeit", "min. suction time"),
        contactField(206, "start_input_contact", "Start-Eingang", "start input"),
        secondsField(208, "start_input_delay", "Start-Eingang: Verz\u00F6gerung",
                     "start input: delay"),
        contactField(210, "stop_input_contact", "Stop-Eingang", "stop input"),
        secondsField(212, "stop_input_delay", "Stop-Eingang: Verz\u00F6gerung",
                     "stop input: delay"),
        flagField(214, "stop_input_alarm", "Stop-Eingang: Funktion Alarm",
                  "stop input: function alarm"),
    };
}

std::vector<FieldName> monitoringNames() {
    return {
        maskedField(56, "interface_max_hardness", "max. H\u00E4rte", "max. hardness", "###.#",
                    "\u00B0dH"),
        maskedField(64, "interface_min_hardness", "min. H\u00E4rte", "min. hardness", "###.#",
                    "\u00B0dH"),
        contactField(182, "svc_1_contact", "Funktion SVC 1", "function SVC 1"),
        secondsField(184, "svc_1_delay", "SVC 1: Verz\u00F6gerung", "SVC 1: delay"),
        flagField(186, "svc_1_alarm", "SVC 1: Funktion Alarm", "SVC 1: function alarm"),
        contactField(188, "svc_2_contact", "Funktion SVC 2", "function SVC 2"),
        secondsField(190, "svc_2_delay", "SVC 2: Verz\u00F6gerung", "SVC 2: delay"),
        flagField(192, "svc_2_alarm", "SVC 2: Funktion Alarm", "SVC 2: function alarm"),
        contactField(194, "alc_1_contact", "Funktion ALC 1", "function ALC 1"),
        secondsField(196, "alc_1_delay", "ALC 1: Verz\u00F6gerung", "ALC 1: delay"),
        flagField(198, "alc_1_alarm", "ALC 1: Funktion Alarm", "ALC 1: function alarm"),
        contactField(200, "alc_2_contact", "Funktion ALC 2", "function ALC 2"),
        secondsField(202, "alc_2_delay", "ALC 2: Verz\u00F6gerung", "ALC 2: delay"),
        flagField(204, "alc_2_alarm", "ALC 2: Funktion Alarm", "ALC 2: function alarm"),
        contactField(216, "prog_1_contact", "PROG1", "PROG1"),
        secondsField(218, "prog_1_delay", "PROG1: Verz\u00F6gerung", "PROG1: delay"),
        flagField(220, "prog_1_chemicals_low", "PROG1: Solemangel", "PROG1: chemicals low"),
        contactField(222, "prog_2_contact", "PROG2", "PROG2"),
        secondsField(224, "prog_2_delay", "PROG2: Verz\u00F6gerung", "PROG2: delay"),
        flagField(226, "prog_2_chemicals_overflow", "PROG2: Sole\u00FCberlauf",
                  "PROG2: chemicals overflow"),
        choiceField(228, "interface", "Schnittstelle", "interface",
                    {{"ma_0_20", "0 - 20 mA", "0 - 20 mA"}, {"ma_4_20", "4 - 20 mA", "4 - 20 mA"}}),
        flagField(230, "k3300_duo", "K3300 DUO", "K3300 DUO"),
        choiceField(234, "unit_language", "Sprache", "language",
                    {{"german", "deutsch", "german"},
                     {"english", "englisch", "english"},
                     {"french", "franz\u00F6sisch", "french"},
                     {"italian", "italienisch", "italian"},
                     {"polish", "polnisch", "polish"},
                     {"dutch", "holl\u00E4ndisch", "dutch"}}),
    };
}

// The long form's last byte: bit 0 sets the box in front of the interval days.
const std::size_t kIntervalOn = sms::kIntervalOn;

controller::ParameterField intervalBox() {
    using ksv2::ids::IntervalActiveCheck;
    return {kIntervalOn, controller::FieldKind::Bits, 1,  IntervalActiveCheck,
            nullptr,     {IntervalActiveCheck},       "", ""};
}

FieldName intervalNames() {
    FieldName field{kIntervalOn, "", "", ""};
    field.options = {
        {"regeneration_interval_on", "Regenerationsintervall ein", "regeneration interval on"}};
    return field;
}

controller::SmsNames smsNames() {
    return {{"sms_dial_number", "SMS - W\u00E4hlnummer", "sms - dial in number"},
            {"sms_prefix", "Amtsvorwahl", "prefix number"},
            {"sms_access_number", "Zugriffsnummer", "access number"},
            {"sms_extra_text", "Zus\u00E4tzlicher Text zur Alarm - SMS",
             "additional text for alarm - sms"},
            {{"sms_on_power_failure", "Spannungsausfall", "power failure"},
             {"sms_on_error_filter_1", "Fehler Filter 1", "error filter 1"},
             {"sms_on_error_filter_2", "Fehler Filter 2", "error filter 2"},
             {"sms_on_error_k3300_1", "Fehler K3300 1", "error K3300 1"},
             {"sms_on_error_k3300_2", "Fehler K3300 2", "error K3300 2"},
             {"sms_on_chemicals_low", "Solemangel", "chemicals low"},
             {"sms_on_chemicals_overflow", "Sole\u00FCberlauf", "chem. overflow"},
             {"sms_on_regeneration_stop", "Reg. STOP / Halt", "reg. STOP", true},
             {"sms_on_error_disinfection", "Fehler Desinf.", "error disinf."},
             {nullptr, "", ""},
             {"sms_on_min_regeneration_pause", "Min. Reg-Abstand", "min. reg. pause"},
             {"sms_on_max_regenerations", "Max. Regenerat.", "max. regenerat."},
             {"sms_on_plant_override", "Anlage \u00FCberfahren", "plant override"},
             {"sms_on_error_hardness_measurement", "Fehler H\u00E4rtemessung",
              "error hardness measurement"}}};
}

controller::ParameterValueTable buildTable() {
    controller::ParameterValueTable table{&softenerLayout(), {}, {intervalBox()}, smsNames(), '_'};
    for (auto part : {regenerationNames(), programNames(), meterNames(), monitoringNames()})
        table.fields.insert(table.fields.end(), part.begin(), part.end());
    table.fields.push_back(intervalNames());
    return table;
}

}  // namespace

const controller::ParameterValueTable& softenerValueTable() {
    static const controller::ParameterValueTable table = buildTable();
    return table;
}

}  // namespace softener
