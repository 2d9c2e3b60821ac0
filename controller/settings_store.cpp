#include "controller/settings_store.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <optional>

#include "controller/setting_lines.h"
#include "controller/store_repair.h"
#include "files/cp1252.h"
#include "files/file_write.h"

namespace controller {

namespace {

constexpr std::size_t kDeleteLineLimit = 255;

std::string shown(const std::string& bytes) {
    return files::cp1252ToUtf8(bytes);
}

bool fileExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

}  // namespace

SettingsStore::SettingsStore(SettingsProfile profile, std::string startDirectory,
                             ParameterForm& form, SettingsUi& ui)
    : profile_(std::move(profile)),
      startDirectory_(std::move(startDirectory)),
      form_(form),
      ui_(ui),
      file_(profile_.values) {}

const std::string& SettingsStore::pick(const std::string& german,
                                       const std::string& english) const {
    return english_ ? english : german;
}

const std::string& SettingsStore::factoryName() const {
    return pick(profile_.factoryGerman, profile_.factoryEnglish);
}

void SettingsStore::informed(const std::string& german, const std::string& english) {
    ui_.inform(pick(german, english), SettingsIcon::Information);
}

void SettingsStore::warned(const std::string& german, const std::string& english) {
    ui_.inform(pick(german, english), SettingsIcon::Exclamation);
}

std::string SettingsStore::path() const {
    const std::string& name = profile_.storeFileName;
    if (DIR* folder = opendir(startDirectory_.c_str())) {
        while (const dirent* entry = readdir(folder)) {
            if (strcasecmp(entry->d_name, name.c_str()) == 0) {
                std::string found = startDirectory_ + "/" + entry->d_name;
                closedir(folder);
                return found;
            }
        }
        closedir(folder);
    }
    return startDirectory_ + "/" + name;
}

void SettingsStore::fatalOpen() {
    ui_.fatal("cannot open " + profile_.storeFileName + " !\nexit program", SettingsIcon::None);
}

bool SettingsStore::validName(const std::string& name) const {
    if (name.empty() || name.size() > profile_.maxNameLength || name.front() == ' ') return false;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '|') return false;
    return true;
}

std::vector<std::string> SettingsStore::factoryLines() const {
    std::vector<std::string> lines;
    for (const SettingValue& value : profile_.values) lines.push_back(value.factory);
    return lines;
}

// ---- names at start -----------------------------------------------------------

void SettingsStore::LoadNames() {
    const std::string file = path();
    std::optional<StoreRecords> store = readStore(file, true);
    if (!store) {
        if (files::writeNewFile(file, kSettingsHeader) != files::NewFileResult::Written) {
            const std::string& name = profile_.storeFileName;
            ui_.fatal(pick("Kann " + name + " nicht \u00F6ffnen !\nProgram wird beendet",
                           "cannot open " + name + " !\nexit program"),
                      SettingsIcon::None);
            return;
        }
        store.emplace(kSettingsHeader, profile_.recordLines(), kSizeLimit);
    }
    if (store->damaged()) madeWhole(file, *store);
    for (std::size_t set = 0; set < profile_.maxSets && set < store->wholeRecords(); ++set)
        if (!store->name(set).empty()) ui_.addName(shown(store->name(set)));
    ui_.addName(factoryName());
}

// ---- reading and repairing ----------------------------------------------------------

std::optional<StoreRecords> SettingsStore::readStore(const std::string& file,
                                                     bool forUpdate) const {
    std::optional<std::string> bytes = files::readFileUpTo(file, kSizeLimit, forUpdate);
    if (!bytes) return std::nullopt;
    return StoreRecords(std::move(*bytes), profile_.recordLines(), kSizeLimit);
}

std::string SettingsStore::damage(const StoreRecords& store) const {
    if (store.tooLarge())
        return pick("sie ist gr\u00F6\u00DFer, als eine solche Datei sein kann",
                    "it is larger than such a file can be");
    const std::string number = std::to_string(store.brokenRecord());
    const std::string name = shown(store.brokenName());
    if (name.empty())
        return pick(
            "die Einstellung Nr. " + number + " ist unvollst\u00E4ndig und hat keinen Namen",
            "setting no. " + number + " is incomplete and has no name");
    return pick("die Einstellung Nr. " + number + " \"" + name + "\" ist unvollst\u00E4ndig",
                "setting no. " + number + " \"" + name + "\" is incomplete");
}

// A store whose records are not whole is kept in a copy beside it and cut
// back to its whole records; then it takes sets again. When that cannot be
// done (a full disk), it stays as it is and nothing is saved or deleted:
// a set appended behind a broken record would be lost at the next start.
bool SettingsStore::madeWhole(const std::string& file, StoreRecords& store) {
    const std::string what = damage(store);
    const StoreRepair repair = repairStore(file, store, profile_.maxSets);
    if (!repair.repaired) {
        warned("Die Datei " + file + " ist besch\u00E4digt: " + what +
                   ".\nEs konnte keine Kopie davon angelegt werden (ist der Datentr\u00E4ger "
                   "voll ?); sie bleibt daher unver\u00E4ndert, und es kann keine Einstellung "
                   "gespeichert oder gel\u00F6scht werden.",
               "The file " + file + " is damaged: " + what +
                   ".\nNo copy of it could be made (is the disk full ?), so it is left as it "
                   "is, and no setting can be saved or deleted.");
        return false;
    }
    warned("Die Datei " + file + " ist besch\u00E4digt: " + what +
               ".\nEine Kopie der Datei liegt daneben als " + repair.copyName +
               ".\nDas Programm verwendet nur die vollst\u00E4ndigen Einstellungen.",
           "The file " + file + " is damaged: " + what +
               ".\nA copy of the file was kept beside it as " + repair.copyName +
               ".\nThe program uses the complete settings only.");
    const std::string broken = store.brokenName();
    store = StoreRecords(store.usableRecords(profile_.maxSets), profile_.recordLines(), kSizeLimit);
    if (!broken.empty() && !store.find(broken)) ui_.removeName(shown(broken));
    return true;
}

// ---- apply ----------------------------------------------------------------------

void SettingsStore::ApplySet(const std::string& nameText) {
    if (nameText == factoryName()) {
        applyValueLines(profile_.values, factoryLines(), form_);
        return;
    }
    const std::string name = files::utf8ToCp1252(nameText);
    const std::optional<StoreRecords> store = readStore(path(), false);
    if (!store) return fatalOpen();
    const std::optional<std::size_t> record = store->find(name);
    if (!record) {
        // A record cut short changes nothing: the pages never get half a set.
        if (store->damaged() && !store->tooLarge() && store->brokenName() == name) {
            const std::string& file = profile_.storeFileName;
            return warned("Die Einstellung " + nameText + " in " + file +
                              " ist unvollst\u00E4ndig !\nEs wurde nichts \u00FCbernommen.",
                          "The setting " + nameText + " in " + file +
                              " is incomplete !\nNothing was applied.");
        }
        return ui_.fatal(profile_.selectCorrupt, SettingsIcon::None);
    }
    applyValueLines(profile_.values, recordValues(*store, *record), form_);
}

std::vector<std::string> SettingsStore::recordValues(const StoreRecords& store,
                                                     std::size_t record) const {
    const std::size_t first = record * profile_.recordLines() + 1;
    std::vector<std::string> values;
    for (std::size_t i = first; i < first + profile_.values.size(); ++i)
        values.push_back(store.lines()[i].text);
    return values;
}

// ---- save -------------------------------------------------------------------------

bool SettingsStore::refusedName(const std::string& name, const std::string& nameText, bool saving) {
    if (name.empty()) {
        if (saving)
            informed("Keine Einstellung eingetragen", "no setting inscribed");
        else
            informed("Keine Einstellung zum L\u00F6schen ausgew\u00E4hlt",
                     profile_.deleteEmptyEnglish);
        return true;
    }
    if (nameText == factoryName()) {
        if (saving)
            informed("Werkseinstellung kann nicht gespeichert werden",
                     "cannot save factory setting");
        else
            informed("Werkseinstellung kann nicht gel\u00F6scht werden",
                     "cannot delete factory setting");
        return true;
    }
    // The program's readers take names only up to its longest one; a control
    // character or a "|" would break the record or the list.
    if (saving && !validName(name)) {
        const std::string longest = std::to_string(profile_.maxNameLength);
        informed("Der Name einer Einstellung muss 1 bis " + longest +
                     " Zeichen lang sein, darf nicht mit einem Leerzeichen beginnen und darf "
                     "weder Steuerzeichen noch \"|\" enthalten !",
                 "A setting name must be 1 to " + longest +
                     " characters long, must not begin with a blank and must not contain "
                     "control characters or \"|\" !");
        return true;
    }
    return false;
}

// The store is Windows-1252: a character outside it would be saved as "?",
// and two names differing only there would become one.
bool SettingsStore::refusedCharacter(const std::string& nameText) {
    const std::optional<char32_t> outside = files::firstOutsideCp1252(nameText);
    if (!outside) return false;
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(*outside));
    const std::string character = files::utf8Of(*outside);
    const std::string& file = profile_.storeFileName;
    informed("Der Name enth\u00E4lt das Zeichen \"" + character + "\" (" + code + "), das " + file +
                 " nicht speichern kann !",
             "The name contains the character \"" + character + "\" (" + code + "), which " + file +
                 " cannot hold !");
    return true;
}

void SettingsStore::SaveSet(const std::string& nameText) {
    const std::string name = files::utf8ToCp1252(nameText);
    if (refusedName(name, nameText, true) || refusedCharacter(nameText)) return;
    const std::string file = path();
    std::optional<StoreRecords> store = readStore(file, true);
    if (!store) return fatalOpen();
    if (store->damaged() && !madeWhole(file, *store)) return;
    switch (findForSave(*store, name)) {
        case SaveScan::Full:
            return informed("Max. " + std::to_string(profile_.maxSets) + " Einstellungen !",
                            "max. " + std::to_string(profile_.maxSets) + " settings !");
        case SaveScan::Exists:
            return informed("Einstellung existiert bereits !", "setting already exists !");
        case SaveScan::Free:
            break;
    }
    // A store without its header gets one; a last line without its line end
    // gets one, so the record starts a line.
    const std::string& bytes = store->bytes();
    std::string lead;
    if (bytes.empty())
        lead = kSettingsHeader;
    else if (bytes.back() != '\n')
        lead = "\r\n";
    // A failed append is cut back: the store is as it was, and the pages
    // keep the operator's edits.
    if (!files::appendToFile(file, lead + recordOf(name))) {
        const std::string& fileName = profile_.storeFileName;
        return warned("Kann " + fileName + " nicht schreiben !\nDie Einstellung " + nameText +
                          " wurde nicht gespeichert, die Datei ist unver\u00E4ndert.",
                      "cannot write " + fileName + " !\nThe setting " + nameText +
                          " was not saved; the file is unchanged.");
    }
    ui_.addName(shown(name));
    informed("Einstellung gespeichert !", "setting saved !");
}

// Every line counts, value lines too: a name equal to any line of the store
// is taken as existing. Reading as many lines as a full store holds before
// its last name means there is no room.
SettingsStore::SaveScan SettingsStore::findForSave(const StoreRecords& store,
                                                   const std::string& name) const {
    const std::vector<TextLine>& lines = store.lines();
    std::size_t read = 0;
    bool exists = false;
    while (read < lines.size() && !exists && read < profile_.fullStoreLines())
        exists = lines[read++].text == name;
    if (read == profile_.fullStoreLines()) return SaveScan::Full;
    return exists ? SaveScan::Exists : SaveScan::Free;
}

// The name line and the value lines of the pages, each with CR LF.
std::string SettingsStore::recordOf(const std::string& name) const {
    std::string record = name + "\r\n";
    for (const std::string& line : valueLines(profile_.values, form_)) record += line + "\r\n";
    return record;
}

// ---- delete -----------------------------------------------------------------------

void SettingsStore::DeleteSet(const std::string& nameText) {
    const std::string name = files::utf8ToCp1252(nameText);
    if (refusedName(name, nameText, false)) return;
    const std::string file = path();
    std::optional<StoreRecords> store = readStore(file, true);
    if (!store) return fatalOpen();
    if (store->tooLarge())
        return ui_.fatal(profile_.storeFileName + " corrupt\nexit program",
                         SettingsIcon::Exclamation);
    const std::vector<TextLine>& lines = store->lines();
    const std::size_t recordLines = profile_.recordLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].text.size() > kDeleteLineLimit)
            return ui_.fatal(profile_.selectCorrupt, SettingsIcon::None);
        if (i % recordLines == 0 && lines[i].text == name) break;
    }
    const std::string broken = store->damaged() ? store->brokenName() : std::string();
    if (store->damaged() && !madeWhole(file, *store)) return;
    // A name with a character the store cannot hold is in no record, though
    // its "?" may match one.
    const std::optional<std::size_t> record =
        files::firstOutsideCp1252(nameText) ? std::nullopt : store->find(name);
    if (!record && !broken.empty() && name == broken) return;  // gone with the repair
    if (!record) return informed("Einstellung nicht gefunden !", profile_.notFoundEnglish);
    const std::string showName = shown(name);
    if (!ui_.confirmDelete(pick("Einstellung " + showName + " l\u00F6schen ?",
                                "Are you shure to delete the setting " + showName + " ?"))) {
        ui_.showLinkState();
        return;
    }
    const std::size_t first = *record * recordLines;
    const std::size_t last = first + recordLines - 1;
    const std::string& bytes = store->bytes();
    const std::string kept =
        bytes.substr(0, store->lines()[first].begin) + bytes.substr(store->lines()[last].end);
    // A failed rewrite leaves the store as it was, and the pages keep the
    // operator's edits.
    if (!files::rewriteFile(file, kept)) {
        const std::string& fileName = profile_.storeFileName;
        return warned("Kann " + fileName + " nicht schreiben !\nDie Einstellung " + showName +
                          " wurde nicht gel\u00F6scht, die Datei ist unver\u00E4ndert.",
                      "cannot write " + fileName + " !\nThe setting " + showName +
                          " was not deleted; the file is unchanged.");
    }
    ui_.removeName(showName);
    informed("Einstellung gel\u00F6scht !", "setting deleted !");
}

// ---- export and import -------------------------------------------------------------

void SettingsStore::Export() {
    const std::string target = ui_.exportFileName();
    if (target.empty()) return;
    const bool existed = fileExists(target);
    // A failed write leaves an existing file as it was.
    if (!files::replaceFile(target, file_.bytesOf(form_))) {
        std::string german = "Kann " + target + " nicht erstellen !";
        std::string english = "cannot create " + target + " !";
        if (existed) {
            german += "\nDie vorhandene Datei ist unver\u00E4ndert.";
            english += "\nThe existing file is unchanged.";
        }
        return informed(german, english);
    }
    informed("Einstellung exportiert !", "setting exported !");
}

SettingsStore::FileLines SettingsStore::settingFileLines(const std::string& source) const {
    const std::size_t limit = profile_.maxSettingFileBytes();
    const std::optional<std::string> bytes = files::readFileUpTo(source, limit);
    if (!bytes) return {std::nullopt, "cannot open " + source + " !", true};
    if (bytes->size() > limit)
        return {std::nullopt,
                pick("Die Datei " + source +
                         " ist gr\u00F6\u00DFer, als eine Einstellungsdatei dieses Programms "
                         "sein kann !\nEs wurde nichts \u00FCbernommen.",
                     "The file " + source +
                         " is larger than a setting file of this program can be !\nNothing "
                         "was imported.")};
    std::size_t found = 0;
    auto values = file_.valuesOf(*bytes, &found);
    if (!values) {
        const std::string expected = std::to_string(profile_.values.size());
        const std::string count = std::to_string(found);
        return {
            std::nullopt,
            pick("Die Datei " + source +
                     " enth\u00E4lt keine vollst\u00E4ndige "
                     "Einstellung dieses Programms (" +
                     expected + " Werte erwartet, " + count +
                     " gefunden) !\nEs wurde nichts \u00FCbernommen.",
                 "The file " + source + " holds no complete setting of this program (" + expected +
                     " values expected, " + count + " found) !\nNothing was imported.")};
    }
    return {std::move(values), {}};
}

void SettingsStore::Import() {
    const std::string source = ui_.importFileName();
    if (source.empty()) return;
    const FileLines file = settingFileLines(source);
    if (file.unreadable)
        return ui_.fatal("cannot open " + source + " !\nexit program", SettingsIcon::None);
    if (!file.lines) return ui_.inform(file.problem, SettingsIcon::Exclamation);
    applyValueLines(profile_.values, *file.lines, form_);
    informed("Einstellung importiert !", "setting imported !");
}

std::optional<std::vector<std::string>> SettingsStore::setLines(const std::string& nameText) const {
    if (nameText == factoryName()) return factoryLines();
    const std::optional<StoreRecords> store = readStore(path(), false);
    if (!store) return std::nullopt;
    const std::optional<std::size_t> record = store->find(files::utf8ToCp1252(nameText));
    if (!record) return std::nullopt;
    return recordValues(*store, *record);
}

void SettingsStore::applyLines(const std::vector<std::string>& lines) {
    applyValueLines(profile_.values, lines, form_);
}

}  // namespace controller
