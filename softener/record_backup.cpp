#include "softener/record_backup.h"

#include "softener/softener_settings.h"
#include "softener/write_backup.h"

namespace softener {

std::string recordAsSettingFile(const ParameterRecord& record) {
    static const controller::SettingsProfile profile = softenerSettingsProfile();
    return decodedAsSettingFile(
        profile, [&record](controller::ParameterForm& form) { decodeParameters(record, form); });
}

bool backUpBeforeWrite(shell::MainWindowBase& window, const ParameterRecord& record) {
    return backUpBeforeWrite(window, record, [&record] { return recordAsSettingFile(record); });
}

}  // namespace softener
