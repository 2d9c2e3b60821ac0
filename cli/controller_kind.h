// What aquendorctl knows of each controller unit, as data: the program it
// stands in for, its records and value tables, how its read-all and write
// behave (as the program's window does them), its commands, histories and
// the lamps of its status page.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "cli/options.h"
#include "controller/history_codes.h"
#include "controller/parameter_form.h"
#include "controller/record_layout.h"
#include "controller/settings_profile.h"
#include "controller/unit_commands.h"
#include "controller/unit_record.h"
#include "controller/unit_value.h"
#include "controller/value_table.h"

namespace cli {

// A unit command by its name on the command line.
struct CommandSpec {
    enum Action { Send, Clock, Reset };
    const char* name;  // "acknowledge"
    Action action;
    const char* word;  // the telegram's command word of a Send
    controller::AfterCommand after;
    const char* german;  // the window's button
    const char* english;
};

// A lamp of the status page: its name on the command line and caption.
struct LampName {
    const char* name;
    const char* german;
    const char* english;
};
using LampRow = std::array<LampName, 8>;

struct ControllerKind {
    UnitKind kind;
    const char* caption;     // "Aquendor® KSV2"
    const char* configFile;  // the program's configuration file with its phonebook
    std::size_t statusLength;
    const controller::RecordLayout* layout;
    const controller::ParameterValueTable* table;
    controller::SettingsProfile settings;
    void (*decode)(const controller::UnitRecord&, controller::ParameterForm&);
    void (*encode)(const controller::ParameterForm&, controller::UnitRecord&);
    // The characters that close a second DPI answer on a read of its own
    // and on the read after a write or command.
    std::size_t secondAnswerCut;
    std::size_t secondAnswerCutAfterWrite;
    // A confirmed write reads the unit again.
    bool readAgainAfterWrite;
    controller::UnitValues (*statusValues)(std::string_view area,
                                           const controller::UnitRecord& record);
    const controller::CodeTable* statusCodes;  // nullptr: the unit keeps no status history
    const controller::CodeTable* errorCodes;
    controller::ResetTexts resetTexts;
    std::vector<CommandSpec> commands;
    // Functions, inputs, outputs, as the page shows them left to right.
    std::array<LampRow, 3> lamps;
    // The bits of the blink byte that make function lamp (bit + 1) blink.
    int blinkBits;
};

const ControllerKind& controllerKind(UnitKind kind);

const CommandSpec* commandNamed(const ControllerKind& kind, std::string_view name);

}  // namespace cli
