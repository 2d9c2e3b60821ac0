#include "softener/settings_store.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <optional>

#include "shell/cp1252.h"
#include "shell/file_write.h"
#include "softener/setting_lines.h"

namespace softener {

namespace {

constexpr std::size_t kDeleteSizeLimit = 30000;
constexpr std::size_t kDeleteLineLimit = 255;
constexpr std::size_t kMaxNameLength = 30;

std::string shown(const std::string& bytes) {
    return shell::cp1252ToUtf8(bytes);
}

bool fileExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

// The line where the record of `name` begins: names stand only on the first
// line of each record, so a value line that looks like the name is never
// taken for it.
std::optional<std::size_t> nameLine(const std::vector<TextLine>& lines, const std::string& name,
                                    std::size_t recordLines) {
    for (std::size_t i = 0; i < lines.size(); i += recordLines)
        if (lines[i].text == name) return i;
    return std::nullopt;
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

void SettingsStore::fatalCreate() {
    ui_.fatal("cannot create " + profile_.storeFileName + " !\nexit program", SettingsIcon::None);
}

bool SettingsStore::validName(const std::string& name) {
    if (name.empty() || name.size() > kMaxNameLength || name.front() == ' ') return false;
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
    std::optional<std::string> bytes = shell::readWholeFile(file, true);
    if (!bytes) {
        if (shell::writeNewFile(file, kSettingsHeader) != shell::NewFileResult::Written) {
            const std::string& name = profile_.storeFileName;
            ui_.fatal(pick("Kann " + name + " nicht \u00F6ffnen !\nProgram wird beendet",
                           "cannot open " + name + " !\nexit program"),
                      SettingsIcon::None);
            return;
        }
        bytes = kSettingsHeader;
    }
    const std::vector<TextLine> lines = linesAfterHeader(*bytes);
    for (std::size_t set = 0; set < profile_.maxSets; ++set) {
        const std::size_t at = set * profile_.recordLines();
        if (at >= lines.size()) break;
        if (!lines[at].text.empty()) ui_.addName(shown(lines[at].text));
    }
    ui_.addName(factoryName());
}

// ---- apply ----------------------------------------------------------------------

void SettingsStore::ApplySet(const std::string& nameText) {
    if (nameText == factoryName()) {
        applyValueLines(profile_.values, factoryLines(), form_);
        return;
    }
    const std::string name = shell::utf8ToCp1252(nameText);
    const std::optional<std::string> bytes = shell::readWholeFile(path());
    if (!bytes) return fatalOpen();
    const std::vector<TextLine> lines = linesAfterHeader(*bytes);
    const std::optional<std::size_t> at = nameLine(lines, name, profile_.recordLines());
    if (!at) return ui_.fatal(profile_.selectCorrupt, SettingsIcon::None);
    // A record cut short changes nothing: the pages never get half a set.
    if (lines.size() - *at < profile_.recordLines()) {
        const std::string& file = profile_.storeFileName;
        ui_.inform(pick("Die Einstellung " + nameText + " in " + file +
                            " ist unvollst\u00E4ndig !\nEs wurde nichts \u00FCbernommen.",
                        "The setting " + nameText + " in " + file +
                            " is incomplete !\nNothing was applied."),
                   SettingsIcon::Exclamation);
        return;
    }
    std::vector<std::string> values;
    for (std::size_t i = *at + 1; i < *at + profile_.recordLines(); ++i)
        values.push_back(lines[i].text);
    applyValueLines(profile_.values, values, form_);
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
    // The readers take lines of up to 30 characters; a control character or
    // a "|" would break the record or the list.
    if (saving && !validName(name)) {
        informed(
            "Der Name einer Einstellung muss 1 bis 30 Zeichen lang sein, darf nicht mit "
            "einem Leerzeichen beginnen und darf weder Steuerzeichen noch \"|\" "
            "enthalten !",
            "A setting name must be 1 to 30 characters long, must not begin with a blank "
            "and must not contain control characters or \"|\" !");
        return true;
    }
    return false;
}

void SettingsStore::SaveSet(const std::string& nameText) {
    const std::string name = shell::utf8ToCp1252(nameText);
    if (refusedName(name, nameText, true)) return;
    const std::string file = path();
    const std::optional<std::string> bytes = shell::readWholeFile(file, true);
    if (!bytes) return fatalOpen();
    switch (findForSave(*bytes, name)) {
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
    std::string lead;
    if (bytes->empty())
        lead = kSettingsHeader;
    else if (bytes->back() != '\n')
        lead = "\r\n";
    if (!shell::appendToFile(file, lead + recordOf(name))) return fatalCreate();
    ui_.addName(shown(name));
    informed("Einstellung gespeichert !", "setting saved !");
}

// Every line counts, value lines too: a name equal to any line of the store
// is taken as existing. Reading as many lines as a full store holds before
// its last name means there is no room.
SettingsStore::SaveScan SettingsStore::findForSave(const std::string& bytes,
                                                   const std::string& name) const {
    const std::vector<TextLine> lines = linesAfterHeader(bytes);
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
    const std::string name = shell::utf8ToCp1252(nameText);
    if (refusedName(name, nameText, false)) return;
    const std::string file = path();
    const std::optional<std::string> bytes = shell::readWholeFile(file, true);
    if (!bytes) return fatalOpen();
    if (bytes->size() > kDeleteSizeLimit)
        return ui_.fatal(profile_.storeFileName + " corrupt\nexit program",
                         SettingsIcon::Exclamation);
    const std::vector<TextLine> lines = linesAfterHeader(*bytes);
    const std::size_t recordLines = profile_.recordLines();
    std::optional<std::size_t> at;
    for (std::size_t i = 0; i < lines.size() && !at; ++i) {
        if (lines[i].text.size() > kDeleteLineLimit)
            return ui_.fatal(profile_.selectCorrupt, SettingsIcon::None);
        if (i % recordLines == 0 && lines[i].text == name) at = i;
    }
    if (!at) return informed("Einstellung nicht gefunden !", profile_.notFoundEnglish);
    const std::string showName = shown(name);
    if (!ui_.confirmDelete(pick("Einstellung " + showName + " l\u00F6schen ?",
                                "Are you shure to delete the setting " + showName + " ?"))) {
        ui_.showLinkState();
        return;
    }
    const std::size_t last = std::min(*at + recordLines, lines.size()) - 1;
    const std::string kept = bytes->substr(0, lines[*at].begin) + bytes->substr(lines[last].end);
    if (!shell::rewriteFile(file, kept)) return fatalCreate();
    ui_.removeName(showName);
    informed("Einstellung gel\u00F6scht !", "setting deleted !");
}

// ---- export and import -------------------------------------------------------------

void SettingsStore::Export() {
    const std::string target = ui_.exportFileName();
    if (target.empty()) return;
    const bool existed = fileExists(target);
    // A failed write leaves an existing file as it was.
    if (!shell::replaceFile(target, file_.bytesOf(form_))) {
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

void SettingsStore::Import() {
    const std::string source = ui_.importFileName();
    if (source.empty()) return;
    const std::optional<std::string> bytes = shell::readWholeFile(source);
    if (!bytes) return ui_.fatal("cannot open " + source + " !\nexit program", SettingsIcon::None);
    std::size_t found = 0;
    const auto values = file_.valuesOf(*bytes, &found);
    if (!values) {
        const std::string expected = std::to_string(profile_.values.size());
        const std::string count = std::to_string(found);
        ui_.inform(
            pick("Die Datei " + source +
                     " enth\u00E4lt keine vollst\u00E4ndige "
                     "Einstellung dieses Programms (" +
                     expected + " Werte erwartet, " + count +
                     " gefunden) !\nEs wurde nichts \u00FCbernommen.",
                 "The file " + source + " holds no complete setting of this program (" + expected +
                     " values expected, " + count + " found) !\nNothing was imported."),
            SettingsIcon::Exclamation);
        return;
    }
    applyValueLines(profile_.values, *values, form_);
    informed("Einstellung importiert !", "setting imported !");
}

}  // namespace softener
