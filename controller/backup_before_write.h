// The backup before every write to a unit, for both controller programs:
// the record last read from the unit, decoded as the pages would show it
// right after that read (never the pages being edited), saved as an
// importable setting file under "backup <serial number>/" in the start
// folder. It is taken before anything goes to the unit, the write login
// included; when it cannot be written the operator is told why and decides
// whether to write without it.
#pragma once

#include <functional>
#include <string>

#include "controller/operation_ui.h"
#include "controller/parameter_form.h"
#include "controller/settings_profile.h"
#include "controller/unit_record.h"

namespace controller {

// The setting file the pages would export after decode has shown a record.
std::string decodedAsSettingFile(const SettingsProfile& profile,
                                 const std::function<void(ParameterForm&)>& decode);

// Writes the backup (settingFile gives its bytes). False, after a
// message, when nothing may be sent to the unit: no record has been read,
// the serial number names no backup, or the backup failed and the operator
// did not choose to write anyway.
bool backUpBeforeWrite(OperationUi& ui, const UnitRecord& record,
                       const std::function<std::string()>& settingFile);

}  // namespace controller
