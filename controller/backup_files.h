// The automatic backup before every write to a unit: what the unit held
// before, as a setting file that can be imported, in a folder of its own
// per unit ("backup <serial number>" in the start folder). The ten newest
// backups of a unit are kept. Plain C++ on POSIX calls.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace controller {

// Local date and time of the backup; the file name carries it to the minute.
struct BackupStamp {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

enum class BackupStatus { Written, BadSerial, Failed };

struct BackupResult {
    BackupStatus status = BackupStatus::Failed;
    std::string path;  // the file written, or what could not be written
    int error = 0;     // errno of the failure, Failed only
};

inline constexpr std::size_t kBackupsKept = 10;

// "backup 123456 2026-12-07 1430.stg", then "_1", "_2" ... when taken.
std::string backupFileName(const std::string& serial, const BackupStamp& stamp, int taken);

// Writes the file bytes as a new backup of the unit and removes its oldest
// backups beyond `keep`. Files in the folder that are not backups of this
// unit are never touched.
BackupResult writeUnitBackup(const std::string& startDirectory, const std::string& serial,
                             std::string_view bytes, const BackupStamp& stamp,
                             std::size_t keep = kBackupsKept);

// One backup of a unit as the backup folder holds it.
struct UnitBackup {
    std::string path;
    BackupStamp stamp;
    int taken = 0;  // the "_n" of a second backup in one minute
};

// The unit's backups in "backup <serial>/" of the start folder, newest
// first; none without a six-digit serial number or without the folder.
// Files that only look like backups are not listed.
std::vector<UnitBackup> unitBackups(const std::string& startDirectory, const std::string& serial);

}  // namespace controller
