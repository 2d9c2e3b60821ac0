#include "cli/controller_kind.h"

#include "controller/record_codec.h"
#include "osmosis/osmosis_history_codes.h"
#include "osmosis/osmosis_settings.h"
#include "osmosis/parameter_layout.h"
#include "osmosis/parameter_values.h"
#include "osmosis/status_record.h"
#include "osmosis/status_values.h"
#include "softener/parameter_record.h"
#include "softener/parameter_values.h"
#include "softener/softener_history_codes.h"
#include "softener/softener_settings.h"
#include "softener/status_record.h"
#include "softener/status_values.h"

namespace cli {

namespace {

using controller::AfterCommand;

controller::UnitValues softenerStatus(std::string_view area, const controller::UnitRecord& record) {
    return softener::statusValues(area, record);
}

controller::UnitValues osmosisStatus(std::string_view area, const controller::UnitRecord&) {
    return osmosis::statusValues(area);
}

void decodeOsmosis(const controller::UnitRecord& record, controller::ParameterForm& form) {
    controller::decodeRecord(osmosis::osmosisLayout(), record, form);
}

void encodeOsmosis(const controller::ParameterForm& form, controller::UnitRecord& record) {
    controller::encodeRecord(osmosis::osmosisLayout(), form, record);
}

ControllerKind softenerKind() {
    ControllerKind k{};
    k.kind = UnitKind::Softener;
    k.caption = "Aquendor\u00AE KSV2";
    k.configFile = "AquendorKSV2.ini";
    k.statusLength = softener::kStatusLength;
    k.layout = &softener::softenerLayout();
    k.table = &softener::softenerValueTable();
    k.settings = softener::softenerSettingsProfile();
    k.decode = softener::decodeParameters;
    k.encode = softener::encodeParameters;
    // The unit closes a second DPI answer differently after a write.
    k.secondAnswerCut = 7;
    k.secondAnswerCutAfterWrite = 4;
    k.readAgainAfterWrite = true;
    k.statusValues = softenerStatus;
    k.statusCodes = &softener::kSoftenerStatusCodes;
    k.errorCodes = &softener::kSoftenerErrorCodes;
    k.resetTexts = {"KSV2 zur\u00FCckgesetzt, wenn Alarm-LED (Hupe) leuchtet",
                    "KSV2 reset is o.k. if error-LED (horn) is on"};
    k.commands = {
        {"acknowledge", CommandSpec::Send, "SEQ", AfterCommand::ReadAll, "Fehler quittieren",
         "quit error"},
        {"regeneration", CommandSpec::Send, "SRS", AfterCommand::Nothing, "Reg. Start / Stop",
         "reg. start / stop"},
        {"reserve-filter", CommandSpec::Send, "SRF", AfterCommand::Nothing, "Reg. Reserve-Filter",
         "reg. reserve-filter"},
        {"filter-change", CommandSpec::Send, "SFA", AfterCommand::Nothing, "Filterwechsel",
         "change filter"},
        {"clock", CommandSpec::Clock, "STS", AfterCommand::ReadAll, "Uhr stellen", "set clock"},
        {"reset", CommandSpec::Reset, "RST", AfterCommand::ReadAll, "KSV zur\u00FCcksetzen",
         "reset KSV"},
    };
    k.lamps = {{
        {{{"reg_f1", "Reg. F1", "reg. F1"},
          {"reg_f2", "Reg. F2", "reg. F2"},
          {"zp_1", "ZP 1", "ZP 1"},
          {"zp_2", "ZP 2", "ZP 2"},
          {"drop", "Tropfen", "drop"},
          {"disinfection", "Desinf.", "Desinf."},
          {"chemicals", "Chemikalien", "chemicals"},
          {"alarm", "Alarm", "alarm"}}},
        {{{"svc1", "SVC1", "SVC1"},
          {"svc2", "SVC2", "SVC2"},
          {"alc1", "ALC1", "ALC1"},
          {"alc2", "ALC2", "ALC2"},
          {"start", "Start", "Start"},
          {"stop", "Stop", "Stop"},
          {"prog1", "Prog1", "Prog1"},
          {"prog2", "Prog2", "Prog2"}}},
        {{{"f1", "F1", "F1"},
          {"bv1", "BV1", "BV1"},
          {"f2", "F2", "F2"},
          {"bv2", "BV2", "BV2"},
          {"sync_pr", "Sync./PR", "Sync./PR"},
          {"zpr_1", "Z.-Pr.1", "Z.-Pr.1"},
          {"zpr_2", "Z.-Pr.2", "Z.-Pr.2"},
          {"al", "AL", "AL"}}},
    }};
    // Bits 0 to 3 and 7 make function lamps 1 to 4 and 8 blink.
    k.blinkBits = 0x8F;
    return k;
}

ControllerKind osmosisKind() {
    ControllerKind k{};
    k.kind = UnitKind::Osmosis;
    k.caption = "Aquendor\u00AE PLN2";
    k.configFile = "aquendorPLN2.ini";
    k.statusLength = osmosis::kStatusLength;
    k.layout = &osmosis::osmosisLayout();
    k.table = &osmosis::osmosisValueTable();
    k.settings = osmosis::osmosisSettingsProfile();
    k.decode = decodeOsmosis;
    k.encode = encodeOsmosis;
    k.secondAnswerCut = 4;
    k.secondAnswerCutAfterWrite = 4;
    // A write leaves the pages as the operator typed them.
    k.readAgainAfterWrite = false;
    k.statusValues = osmosisStatus;
    k.statusCodes = nullptr;
    k.errorCodes = &osmosis::kOsmosisErrorCodes;
    k.resetTexts = {"PLN2 zur\u00FCckgesetzt, wenn Alarm-LED (Hupe) leuchtet",
                    "PLN2 reset is o.k. if error-LED (horn) is on"};
    k.commands = {
        {"acknowledge", CommandSpec::Send, "SEQ", AfterCommand::ReadAll, "Fehler quittieren",
         "quit error"},
        {"start-stop", CommandSpec::Send, "SRS", AfterCommand::Nothing, "Start / Stop",
         "run / stop"},
        {"flush", CommandSpec::Send, "SFA", AfterCommand::Nothing, "Sp\u00FClen", "flush"},
        {"clock", CommandSpec::Clock, "STS", AfterCommand::ReadAll, "Uhr stellen", "set clock"},
        {"reset", CommandSpec::Reset, "RST", AfterCommand::ReadAll, "PLN zur\u00FCcksetzen",
         "reset PLN"},
    };
    k.lamps = {{
        {{{"iv", "IV", "IV"},
          {"pu", "PU", "PU"},
          {"pv", "PV", "PV"},
          {"fv", "FV", "FV"},
          {"bp", "BP", "BP"},
          {"drop", "Tropfen", "drop"},
          {"cd_max", "CD max.", "CD max."},
          {"tap", "Wasserhahn", "tap"}}},
        {{{"hp", "HP", "HP"},
          {"lp", "LP", "LP"},
          {"co", "CO", "CO"},
          {"hl", "HL", "HL"},
          {"ll", "LL", "LL"},
          {"mp", "MP", "MP"},
          {"stop", "Stop", "Stop"},
          {"prog", "Prog", "Prog"}}},
        {{{"pu1", "PU1", "PU1"},
          {"pu2", "PU2", "PU2"},
          {"iv", "IV", "IV"},
          {"pv", "PV", "PV"},
          {"fv", "FV", "FV"},
          {"bp", "BP", "BP"},
          {"pr", "PR", "PR"},
          {"al", "AL", "AL"}}},
    }};
    // Only bit 7 makes a lamp blink: function lamp 8.
    k.blinkBits = 0x80;
    return k;
}

}  // namespace

const ControllerKind& controllerKind(UnitKind kind) {
    static const ControllerKind softenerUnit = softenerKind();
    static const ControllerKind osmosisUnit = osmosisKind();
    return kind == UnitKind::Osmosis ? osmosisUnit : softenerUnit;
}

const CommandSpec* commandNamed(const ControllerKind& kind, std::string_view name) {
    for (const CommandSpec& command : kind.commands)
        if (name == command.name) return &command;
    return nullptr;
}

}  // namespace cli
