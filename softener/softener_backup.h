// The softener unit's parameters are backed up before every write: the
// record last read from the unit, decoded as the pages would show it right
// after that read (never the pages being edited), saved as an importable
// setting file under "backup <serial number>/" in the start folder.
#pragma once

#include <string>

#include "controller/operation_ui.h"
#include "softener/parameter_record.h"

namespace softener {

// The setting file the pages would export right after reading the record.
std::string recordAsSettingFile(const ParameterRecord& record);

// Writes the backup; false, after a message, when nothing may be sent to
// the unit (see controller/backup_before_write.h).
bool backUpBeforeWrite(controller::OperationUi& ui, const ParameterRecord& record);

}  // namespace softener
