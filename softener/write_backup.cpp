#include "softener/write_backup.h"

#include <QDateTime>
#include <cerrno>
#include <cstring>

#include "controller/backup_files.h"
#include "controller/memory_form.h"
#include "controller/setting_file.h"
#include "shell/main_window_base.h"
#include "softener/record_exchange.h"

namespace softener {

namespace {

// Why a backup could not be written, in the operator's words where the
// cause is a common one.
QString failureReason(const shell::MainWindowBase& window, int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return window.tr2("Kein Platz mehr auf dem Datentr\u00E4ger.",
                              "No space left on the disk.");
        case EACCES:
        case EPERM:
            return window.tr2("Keine Berechtigung, in diesen Ordner zu schreiben.",
                              "No permission to write into this folder.");
        case EROFS:
            return window.tr2("Der Datentr\u00E4ger ist schreibgesch\u00FCtzt.",
                              "The disk is read-only.");
        case ENOTDIR:
            return window.tr2("Eine Datei dieses Namens steht im Weg.",
                              "A file of this name is in the way.");
        default:
            return QString::fromLocal8Bit(std::strerror(error));
    }
}

// The operator decides: without a backup the unit's present values can
// only be gone back to by hand. No, the default, sends nothing.
bool writeWithoutBackup(shell::MainWindowBase& window, const controller::BackupResult& result) {
    const QString text =
        window
            .tr2(
                "Die Sicherung der Ger\u00E4teparameter vor dem Schreiben kann nicht "
                "angelegt werden:\n%1\n%2\n\nTrotzdem schreiben?",
                "Cannot create the backup of the unit's parameters before writing:\n%1\n%2\n\n"
                "Write anyway?")
            .arg(QString::fromStdString(result.path), failureReason(window, result.error));
    return window.say(text, window.texts().caption, shell::MessageIcon::Exclamation,
                      shell::MessageButtons::YesNoDefaultNo) == shell::MessageAnswer::Yes;
}

controller::BackupStamp now() {
    const QDateTime time = QDateTime::currentDateTime();
    return {time.date().year(), time.date().month(), time.date().day(), time.time().hour(),
            time.time().minute()};
}

}  // namespace

std::string decodedAsSettingFile(const controller::SettingsProfile& profile,
                                 const std::function<void(controller::ParameterForm&)>& decode) {
    controller::MemoryForm form(profile.values, profile.placeholder);
    decode(form);
    return controller::SettingFile(profile.values).bytesOf(form);
}

bool backUpBeforeWrite(shell::MainWindowBase& window, const controller::UnitRecord& record,
                       const std::function<std::string()>& settingFile) {
    // Without a whole record from the unit there is nothing to go back to.
    if (refuseWithoutRecord(window, record)) return false;
    const controller::BackupResult result =
        controller::writeUnitBackup(window.session().startDirectory.toStdString(),
                                    window.serialNumberText(), settingFile(), now());
    switch (result.status) {
        case controller::BackupStatus::Written:
            return true;
        case controller::BackupStatus::BadSerial:
            window.say(window.tr2("Bitte 6 Ziffern f\u00FCr die Seriennummer eingeben\n"
                                  "Es wurde nichts geschrieben.",
                                  "Please insert 6 numbers for the serialnumber\n"
                                  "Nothing was written."),
                       window.texts().caption, shell::MessageIcon::Exclamation);
            return false;
        case controller::BackupStatus::Failed:
            break;
    }
    return writeWithoutBackup(window, result);
}

}  // namespace softener
