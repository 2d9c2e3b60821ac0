// The status of a unit as aquendorctl prints it: a controller's status
// page (values with their units, the lamps that are on, the plant type)
// and a measuring unit's measured value, as a text table or as JSON. The
// JSON shapes are documented in the manual page; fields are only added.
#pragma once

#include <optional>
#include <string>

#include "cli/controller_kind.h"
#include "controller/unit_record.h"
#include "controller/unit_value.h"
#include "measuring/measured_value.h"

namespace cli {

struct ControllerStatus {
    const ControllerKind& kind;
    std::string serial;
    controller::UnitValues values;      // of the status area
    controller::UnitValues parameters;  // of the record read with it
};

// The red lamp (function lamp 8) is on or blinking.
bool alarmOn(const ControllerStatus& status);

std::string statusText(const ControllerStatus& status, bool english);
// time: the PC's local time of the reading, written first when not empty.
std::string statusJson(const ControllerStatus& status, bool english, const std::string& time = {});

struct MeasuringStatus {
    std::string serial;
    char variant = '0';  // the login's device type, "1" to "6"; "0": not told
    std::string device;  // "Vantiqo pH", empty when not told
    measuring::MeasuredValue measured;
};

std::string measuringText(const MeasuringStatus& status, bool english);
std::string measuringJson(const MeasuringStatus& status, bool english,
                          const std::string& time = {});

// The number of the measured value as the unit's variant shows it.
int measuredDecimals(char variant);
bool hasTemperature(const measuring::MeasuredValue& measured);
const char* measuredUnit(char variant);

}  // namespace cli
