#include "controller/backup_before_write.h"

#include <cerrno>
#include <cstring>

#include "controller/backup_files.h"
#include "controller/local_clock.h"
#include "controller/memory_form.h"
#include "controller/message_text.h"
#include "controller/record_exchange.h"
#include "controller/setting_file.h"

namespace controller {

namespace {

// Why a backup could not be written, in the operator's words where the
// cause is a common one.
std::string failureReason(const OperationUi& ui, int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return tr2(ui, "Kein Platz mehr auf dem Datentr\u00E4ger.",
                       "No space left on the disk.");
        case EACCES:
        case EPERM:
            return tr2(ui, "Keine Berechtigung, in diesen Ordner zu schreiben.",
                       "No permission to write into this folder.");
        case EROFS:
            return tr2(ui, "Der Datentr\u00E4ger ist schreibgesch\u00FCtzt.",
                       "The disk is read-only.");
        case ENOTDIR:
            return tr2(ui, "Eine Datei dieses Namens steht im Weg.",
                       "A file of this name is in the way.");
        default:
            return std::strerror(error);
    }
}

// The operator decides: without a backup the unit's present values can
// only be gone back to by hand. No, the default, sends nothing.
bool writeWithoutBackup(OperationUi& ui, const BackupResult& result) {
    const std::string text =
        tr2(ui,
            "Die Sicherung der Ger\u00E4teparameter vor dem Schreiben kann nicht "
            "angelegt werden:\n%1\n%2\n\nTrotzdem schreiben?",
            "Cannot create the backup of the unit's parameters before writing:\n%1\n%2\n\n"
            "Write anyway?");
    return ui.say({withArgs(text, {result.path, failureReason(ui, result.error)}),
                   devlink::MessageCaption::ProgramCaption, MessageIcon::Exclamation,
                   MessageButtons::YesNoDefaultNo}) == MessageAnswer::Yes;
}

BackupStamp now() {
    const std::tm time = systemLocalTime();
    return {time.tm_year + 1900, time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min};
}

}  // namespace

std::string decodedAsSettingFile(const SettingsProfile& profile,
                                 const std::function<void(ParameterForm&)>& decode) {
    MemoryForm form(profile.values, profile.placeholder);
    decode(form);
    return SettingFile(profile.values).bytesOf(form);
}

bool backUpBeforeWrite(OperationUi& ui, const UnitRecord& record,
                       const std::function<std::string()>& settingFile) {
    // Without a whole record from the unit there is nothing to go back to.
    if (refuseWithoutRecord(ui, record)) return false;
    const BackupResult result =
        writeUnitBackup(ui.startDirectory(), ui.serialNumberText(), settingFile(), now());
    switch (result.status) {
        case BackupStatus::Written:
            return true;
        case BackupStatus::BadSerial:
            ui.say({tr2(ui,
                        "Bitte 6 Ziffern f\u00FCr die Seriennummer eingeben\n"
                        "Es wurde nichts geschrieben.",
                        "Please insert 6 numbers for the serialnumber\n"
                        "Nothing was written."),
                    devlink::MessageCaption::ProgramCaption, MessageIcon::Exclamation});
            return false;
        case BackupStatus::Failed:
            break;
    }
    return writeWithoutBackup(ui, result);
}

}  // namespace controller
