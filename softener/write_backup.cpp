#include "softener/write_backup.h"

#include <QDateTime>

#include "shell/main_window_base.h"
#include "softener/memory_form.h"
#include "softener/record_exchange.h"
#include "softener/setting_file.h"
#include "softener/unit_backup.h"

namespace softener {

namespace {

BackupStamp now() {
    const QDateTime time = QDateTime::currentDateTime();
    return {time.date().year(), time.date().month(), time.date().day(), time.time().hour(),
            time.time().minute()};
}

}  // namespace

std::string decodedAsSettingFile(const SettingsProfile& profile,
                                 const std::function<void(ParameterForm&)>& decode) {
    MemoryForm form(profile.values, profile.placeholder);
    decode(form);
    return SettingFile(profile.values).bytesOf(form);
}

bool backUpBeforeWrite(shell::MainWindowBase& window, const UnitRecord& record,
                       const std::function<std::string()>& settingFile) {
    // Without a whole record from the unit there is nothing to go back to.
    if (refuseWithoutRecord(window, record)) return false;
    const BackupResult result = writeUnitBackup(window.session().startDirectory.toStdString(),
                                                window.serialNumberText(), settingFile(), now());
    switch (result.status) {
        case BackupStatus::Written:
            return true;
        case BackupStatus::BadSerial:
            window.say(window.tr2("Bitte 6 Ziffern f\u00FCr die Seriennummer eingeben\n"
                                  "Es wurde nichts geschrieben.",
                                  "Please insert 6 numbers for the serialnumber\n"
                                  "Nothing was written."),
                       window.texts().caption, shell::MessageIcon::Exclamation);
            return false;
        case BackupStatus::Failed:
            break;
    }
    window.say(window
                   .tr2("Die Sicherung der Ger\u00E4teparameter vor dem Schreiben kann nicht "
                        "angelegt werden:\n%1\nEs wurde nichts geschrieben.",
                        "Cannot create the backup of the unit's parameters before writing:\n"
                        "%1\nNothing was written.")
                   .arg(QString::fromStdString(result.path)),
               window.texts().caption, shell::MessageIcon::Exclamation);
    return false;
}

}  // namespace softener
