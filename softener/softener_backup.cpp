#include "softener/softener_backup.h"

#include "controller/backup_before_write.h"
#include "softener/softener_settings.h"

namespace softener {

std::string recordAsSettingFile(const ParameterRecord& record) {
    static const controller::SettingsProfile profile = softenerSettingsProfile();
    return controller::decodedAsSettingFile(
        profile, [&record](controller::ParameterForm& form) { decodeParameters(record, form); });
}

bool backUpBeforeWrite(controller::OperationUi& ui, const ParameterRecord& record) {
    return controller::backUpBeforeWrite(ui, record,
                                         [&record] { return recordAsSettingFile(record); });
}

}  // namespace softener
