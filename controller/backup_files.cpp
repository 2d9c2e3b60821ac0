#include "controller/backup_files.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <tuple>
#include <vector>

#include "devlink/login.h"
#include "files/file_write.h"

namespace controller {

namespace {

constexpr int kMaxTaken = 999;  // "_999": enough for any minute

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string stampText(const BackupStamp& s) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d%02d", s.year, s.month, s.day, s.hour,
                  s.minute);
    return text;
}

// A folder that exists or was made now; a file of that name is no folder
// (ENOTDIR then).
bool haveFolder(const std::string& folder, int& error) {
    if (mkdir(folder.c_str(), 0777) == 0) return true;
    error = errno;
    struct stat info {};
    if (error != EEXIST) return false;
    if (stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return true;
    error = ENOTDIR;
    return false;
}

// Orders a unit's backups by the time in their names, then by "_n".
struct BackupName {
    std::string name;
    std::string stamp;
    int taken = 0;
    bool operator<(const BackupName& other) const {
        return std::tie(stamp, taken) < std::tie(other.stamp, other.taken);
    }
};

std::optional<BackupName> parseBackupName(const std::string& name, const std::string& serial) {
    const std::string head = "backup " + serial + " ";
    const std::string tail = ".stg";
    constexpr std::size_t kStamp = 15;  // "2026-12-07 1430"
    if (name.size() < head.size() + kStamp + tail.size() || name.compare(0, head.size(), head) ||
        name.compare(name.size() - tail.size(), tail.size(), tail))
        return std::nullopt;
    const std::string stamp = name.substr(head.size(), kStamp);
    const std::string rest =
        name.substr(head.size() + kStamp, name.size() - head.size() - kStamp - tail.size());
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u, 11u, 12u, 13u, 14u})
        if (stamp[i] < '0' || stamp[i] > '9') return std::nullopt;
    if (stamp[4] != '-' || stamp[7] != '-' || stamp[10] != ' ') return std::nullopt;
    int taken = 0;
    if (!rest.empty()) {
        if (rest[0] != '_' || !allDigits(rest.substr(1)) || rest.size() > 4) return std::nullopt;
        taken = std::stoi(rest.substr(1));
    }
    return BackupName{name, stamp, taken};
}

std::vector<BackupName> backupsIn(const std::string& folder, const std::string& serial) {
    std::vector<BackupName> backups;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir))
            if (auto backup = parseBackupName(entry->d_name, serial)) backups.push_back(*backup);
        closedir(dir);
    }
    return backups;
}

// A new backup always sorts after the ones of its minute, even when older
// ones of that minute have been removed already.
int nextTaken(const std::vector<BackupName>& backups, const std::string& stamp) {
    int next = 0;
    for (const BackupName& backup : backups)
        if (backup.stamp == stamp) next = std::max(next, backup.taken + 1);
    return next;
}

void removeOldBackups(const std::string& folder, const std::string& serial, std::size_t keep) {
    std::vector<BackupName> backups = backupsIn(folder, serial);
    if (backups.size() <= keep) return;
    std::sort(backups.begin(), backups.end());
    for (std::size_t i = 0; i + keep < backups.size(); ++i)
        ::unlink((folder + "/" + backups[i].name).c_str());
}

}  // namespace

std::string backupFileName(const std::string& serial, const BackupStamp& stamp, int taken) {
    std::string name = "backup " + serial + " " + stampText(stamp);
    if (taken > 0) name += "_" + std::to_string(taken);
    return name + ".stg";
}

BackupResult writeUnitBackup(const std::string& startDirectory, const std::string& serial,
                             std::string_view bytes, const BackupStamp& stamp, std::size_t keep) {
    if (!devlink::isSixDigitSerial(serial)) return {BackupStatus::BadSerial, {}};
    const std::string folder = startDirectory + "/backup " + serial;
    int error = 0;
    if (!haveFolder(folder, error)) return {BackupStatus::Failed, folder, error};
    for (int taken = nextTaken(backupsIn(folder, serial), stampText(stamp)); taken <= kMaxTaken;
         ++taken) {
        const std::string path = folder + "/" + backupFileName(serial, stamp, taken);
        switch (files::writeNewFile(path, bytes)) {
            case files::NewFileResult::Written:
                removeOldBackups(folder, serial, keep);
                return {BackupStatus::Written, path};
            case files::NewFileResult::Exists:
                continue;
            case files::NewFileResult::Failed:
                return {BackupStatus::Failed, path, errno};
        }
    }
    return {BackupStatus::Failed, folder + "/" + backupFileName(serial, stamp, 0), EEXIST};
}

std::vector<UnitBackup> unitBackups(const std::string& startDirectory, const std::string& serial) {
    if (!devlink::isSixDigitSerial(serial)) return {};
    const std::string folder = startDirectory + "/backup " + serial;
    std::vector<BackupName> names = backupsIn(folder, serial);
    std::sort(names.rbegin(), names.rend());
    std::vector<UnitBackup> backups;
    for (const BackupName& name : names) {
        const auto number = [&](std::size_t at, std::size_t digits) {
            return std::stoi(name.stamp.substr(at, digits));
        };
        backups.push_back({folder + "/" + name.name,
                           {number(0, 4), number(5, 2), number(8, 2), number(11, 2), number(13, 2)},
                           name.taken});
    }
    return backups;
}

}  // namespace controller
