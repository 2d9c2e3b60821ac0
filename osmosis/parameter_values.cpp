#include "osmosis/parameter_values.h"

#include "controller/field_names.h"
#include "osmosis/parameter_layout.h"

namespace osmosis {

namespace {

using controller::choiceField;
using controller::contactField;
using controller::FieldName;
using controller::flagField;
using controller::maskedField;
using controller::OptionName;
using controller::secondsField;

FieldName minutes(std::size_t offset, const char* name, const char* german, const char* english,
                  const char* mask = "##") {
    return maskedField(offset, name, german, english, mask, "Min.", "min.");
}

FieldName litres(std::size_t offset, const char* name, const char* german, const char* english) {
    return maskedField(offset, name, german, english, "###,###", "L/Imp.", "l/imp.");
}

FieldName boxes(std::size_t offset, std::vector<OptionName> bits) {
    FieldName field{offset, "", "", ""};
    field.options = std::move(bits);
    return field;
}

std::vector<FieldName> page1Names() {
    return {
        maskedField(72, "interval_flush_interval", "Intervall Sp\u00FClen: Intervall",
                    "interval flush: interval", "###", "Std.", "h."),
        minutes(80, "flush_duration", "Sp\u00FClen: Dauer", "flush: duration"),
        minutes(84, "interval_flush_duration", "Intervall Sp\u00FClen: Dauer",
                "interval flush: duration"),
        flagField(86, "quality_flush", "Qualit\u00E4ts-Sp\u00FClen", "quality flush"),
        minutes(88, "quality_flush_duration", "Qualit\u00E4ts-Sp\u00FClen: Dauer",
                "quality flush: duration"),
        boxes(92, {{"flush_with_pu_1", "Sp\u00FClart: Mit PU 1", "flushing mode: with PU 1"},
                   {"flush_with_pu_2", "Sp\u00FClart: Mit PU 2", "flushing mode: with PU 2"},
                   {"flush_with_inlet_valve", "Sp\u00FClart: Mit Eingangsventil",
                    "flushing mode: with inlet valve"},
                   {"flush_with_outlet_valve", "Sp\u00FClart: Mit Ausgangsventil",
                    "flushing mode: with outlet valve"}}),
        choiceField(112, "pump_mode", "Pumpe", "pump",
                    {{"only_pump_1", "nur Pumpe 1", "only pump 1"},
                     {"only_pump_2", "nur Pumpe 2", "only pump 2"},
                     {"alternate", "Wechsel", "alternate"},
                     {"serial", "Reihe", "serial"}}),
        secondsField(114, "pump_1_delay", "Verz\u00F6gerung Pumpe 1", "delay pump 1"),
        secondsField(116, "pump_2_delay", "Verz\u00F6gerung Pumpe 2", "delay pump 2"),
        contactField(118, "low_water_contact", "Wassermangel", "low water pressure"),
        secondsField(120, "low_water_delay", "Wassermangel: Verz\u00F6gerung",
                     "low water pressure: delay"),
        maskedField(122, "restart_count", "Einschaltwiederholung", "restart", "#", "X"),
        contactField(124, "excess_pressure_contact", "\u00DCberdruck", "excess pressure"),
        secondsField(126, "excess_pressure_delay", "\u00DCberdruck: Verz\u00F6gerung",
                     "excess pressure: delay"),
        contactField(130, "concentrate_flow_contact", "Konzentratmangel", "concentrate flow"),
        flagField(132, "concentrate_flow_switch_off", "Konzentratmangel: Abschaltung",
                  "concentrate flow: switch-off"),
        maskedField(134, "concentrate_flow_delay", "Konzentratmangel: Verz\u00F6gerung",
                    "concentrate flow: delay", "##"),
        contactField(136, "motor_protection_contact", "Motorschutz", "motor protection"),
        contactField(138, "stop_input_contact", "STOP", "STOP"),
        maskedField(140, "stop_input_delay", "STOP: Verz\u00F6gerung", "STOP: delay", "##"),
        contactField(142, "prog_input_contact", "PROG", "PROG"),
        choiceField(144, "prog_input_function", "PROG: Funktion", "PROG: function",
                    {{"emergency_bp", "Notversorgung BP", "em. program/BP"},
                     {"tank_overflow", "\u00DCberlauf", "tank overflow"}}),
        maskedField(148, "max_pressure", "Maximaler Druck", "maximum pressure", "##", "bar"),
        boxes(150, {{"pr_on_cd1_max", "PR: CD1 max.", "PR: CD1 max."},
                    {"pr_on_tank_empty", "PR: Tank leer", "PR: tank empty"},
                    {"pr_on_production", "PR: Betrieb", "PR: production"},
                    {"pr_on_stop_standby", "PR: Stop/Standby", "PR: stop/standby"}}),
    };
}

std::vector<FieldName> page2Names() {
    return {
        maskedField(0, "compensation_factor", "Komp.-Faktor", "comp. factor", "#,##", "%/\u00B0C"),
        maskedField(8, "cell_constant", "Zellkonstante", "cellconstant", "#,##", "1/cm"),
        litres(16, "water_meter_1_rate", "Wasserz\u00E4hler 1", "water meter 1"),
        litres(24, "water_meter_2_rate", "Wasserz\u00E4hler 2", "water meter 2"),
        litres(32, "metering_resolution", "Dosierung: Aufl\u00F6sung", "metering: resolution"),
        maskedField(40, "metering_impulse", "Dosierung: Impulsl\u00E4nge", "metering: impulse",
                    "##,#", "Sek.", "sec."),
        maskedField(48, "max_conductivity", "Maximal GW", "maximum LV", "####,#", "\u00B5S/cm"),
        maskedField(56, "min_conductivity", "Minimum GW", "minimum LV", "####,#", "\u00B5S/cm"),
        flagField(94, "max_conductivity_switch_off", "Maximal GW: Abschalten",
                  "maximum LV: switch-off"),
        minutes(96, "max_conductivity_delay", "Maximal GW: Verz\u00F6gerung", "maximum LV: delay"),
        flagField(98, "min_conductivity_switch_off", "Minimum GW: Abschalten",
                  "minimum LV: switch-off"),
        secondsField(100, "min_conductivity_delay", "Minimum GW: Verz\u00F6gerung",
                     "minimum LV: delay"),
        choiceField(102, "temperature_compensation", "Temperaturkompensation",
                    "temperature compensation",
                    {{"manual", "Manuell", "manual"}, {"auto", "Auto", "auto"}}),
        maskedField(104, "compensation_temperature", "Temperatur", "temperature", "##", "\u00B0C"),
        maskedField(106, "temperature_limit", "GW Temp.", "LV temp.", "##", "\u00B0C"),
        flagField(108, "temperature_limit_switch_off", "GW Temp.: Abschalten",
                  "LV temp.: switch-off"),
        secondsField(110, "temperature_limit_delay", "GW Temp.: Verz\u00F6gerung",
                     "LV temp.: delay"),
        choiceField(146, "metering", "Dosierung", "metering",
                    {{"water_meter_1", "\u00FCber Wasserz\u00E4hler 1", "active water meter 1"},
                     {"water_meter_2", "\u00FCber Wasserz\u00E4hler 2", "active water meter 2"}}),
        choiceField(154, "conductivity_interface", "Schnittstelle CD", "interface CD",
                    {{"ma_0_20", "0 - 20mA", "0 - 20mA"}, {"ma_4_20", "4 - 20mA", "4 - 20mA"}}),
        choiceField(record::kLanguage, "unit_language", "Sprache", "language",
                    {{"german", "deutsch", "german"},
                     {"english", "englisch", "english"},
                     {"french", "franz\u00F6sisch", "french"},
                     {"italian", "italienisch", "italian"},
                     {"dutch", "holl\u00E4ndisch", "dutch"},
                     {"polish", "polnisch", "polish"}}),
    };
}

// Bits 4, 9 and 12 have boxes the page hides: carried, never set.
controller::SmsNames smsNames() {
    return {
        {"sms_dial_number", "SMS - W\u00E4hlnummer", "sms - dial in number"},
        {"sms_prefix", "Amtsvorwahl", "prefix number"},
        {"sms_access_number", "Zugriffsnummer", "access number"},
        {"sms_extra_text", "Zus\u00E4tzlicher Text zur Alarm - SMS",
         "additional text for alarm - sms"},
        {{"sms_on_power_failure", "Spannungsausfall", "power failure"},
         {"sms_on_cd_permeate_max", "CD Permeat Max.", "CD permeate max."},
         {"sms_on_cd_permeate_min", "CD Permeat Min.", "CD permeate min."},
         {"sms_on_temperature_max", "Temperatur Max.", "temperature max."},
         {"sms_on_pressure_max", "Druck Max.", "pressure max.", true},
         {"sms_on_low_water_pressure", "Wassermangel (LP)", "low water pressure"},
         {"sms_on_excess_pressure", "\u00DCberdruck (HP)", "excess pressure"},
         {"sms_on_motor_protection", "Motorschutz", "motor protect"},
         {"sms_on_concentrate_flow", "Konzentratmangel", "concentrate flow"},
         {"sms_on_cd_range_exceeded", "CD Messbereich \u00FCberschritten", "exceed range CD", true},
         {"sms_on_tank_overflow", "\u00DCberlauf", "tank overflow"},
         {"sms_on_max_quality_flush_time", "Max. Q - Sp\u00FClzeit", "exc. q-flush time"},
         {"sms_on_frost", "Frostgefahr", "temperature low", true},
         {"sms_on_emergency_bp", "Notversorgung / BP", "emerg. program/BP"}}};
}

controller::ParameterValueTable buildTable() {
    controller::ParameterValueTable table{&osmosisLayout(), page1Names(), {}, smsNames(), ' '};
    const std::vector<FieldName> page2 = page2Names();
    table.fields.insert(table.fields.end(), page2.begin(), page2.end());
    return table;
}

}  // namespace

const controller::ParameterValueTable& osmosisValueTable() {
    static const controller::ParameterValueTable table = buildTable();
    return table;
}

}  // namespace osmosis
