// The backup before every write to a unit, for both controller programs:
// the record last read from the unit, decoded as the pages would show it
// right after that read (never the pages being edited), saved as an
// importable setting file under "backup <serial number>/" in the start
// folder. Nothing is sent to the unit when the backup cannot be written.
#pragma once

#include <functional>
#include <string>

#include "softener/parameter_form.h"
#include "softener/settings_profile.h"
#include "softener/unit_record.h"

namespace shell {
class MainWindowBase;
}

namespace softener {

// The setting file the pages would export after decode has shown a record.
std::string decodedAsSettingFile(const SettingsProfile& profile,
                                 const std::function<void(ParameterForm&)>& decode);

// Writes the backup (settingFile gives its bytes); false, after a message,
// when it could not be written: then nothing may be sent to the unit.
bool backUpBeforeWrite(shell::MainWindowBase& window, const UnitRecord& record,
                       const std::function<std::string()>& settingFile);

}  // namespace softener
