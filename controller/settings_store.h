// The local store of named parameter sets beside the configuration file
// (up to nine, plus the built-in factory setting), and the export and
// import of single sets. The store holds page contents, not the unit's
// record: applying a set changes the pages only, the unit gets it with the
// next write. Byte-compatible with the stores operators already have:
// a header line, then records of a name line and the value lines,
// Windows-1252 with CR LF. The file is never held open. A store whose
// records are not whole is kept in a copy and cut back to its whole records
// before anything is saved to it or deleted from it.
#pragma once

#include <optional>
#include <string>

#include "controller/parameter_form.h"
#include "controller/setting_file.h"
#include "controller/settings_profile.h"
#include "controller/store_records.h"

namespace controller {

enum class SettingsIcon { None, Information, Exclamation };

// What the store does to the window. Texts and names are UTF-8.
class SettingsUi {
  public:
    virtual ~SettingsUi() = default;
    // The sorted list of set names.
    virtual void addName(const std::string& name) = 0;
    virtual void removeName(const std::string& name) = 0;
    // A message with the program caption.
    virtual void inform(const std::string& text, SettingsIcon icon) = 0;
    // Yes/No with a stop icon, kept on top; true for Yes.
    virtual bool confirmDelete(const std::string& text) = 0;
    // Shows the text and ends the program with exit code 0; when it returns
    // (tests), the operation has ended too.
    virtual void fatal(const std::string& text, SettingsIcon icon) = 0;
    // File dialogs for setting files; empty when the operator cancels. The
    // export name has its extension and the operator has agreed to replace
    // an existing file.
    virtual std::string exportFileName() = 0;
    virtual std::string importFileName() = 0;
    // The connection status field back to "ONLINE" / "OFFLINE".
    virtual void showLinkState() = 0;
};

class SettingsStore {
  public:
    SettingsStore(SettingsProfile profile, std::string startDirectory, ParameterForm& form,
                  SettingsUi& ui);

    void setEnglish(bool english) { english_ = english; }
    const SettingsProfile& profile() const { return profile_; }
    // "Werkseinstellung" or "factory setting", after the language.
    const std::string& factoryName() const;

    void LoadNames();
    void ApplySet(const std::string& name);
    void SaveSet(const std::string& name);
    void DeleteSet(const std::string& name);
    void Export();
    void Import();

    // The value lines of a set by name (the factory entry too), without
    // putting them on the pages; nothing when the store cannot be read or
    // holds no whole set of that name.
    std::optional<std::vector<std::string>> setLines(const std::string& nameText) const;
    // A setting file's value lines as Import takes them, or why it takes
    // none (in the interface language); `unreadable` when the file cannot
    // be opened at all.
    struct FileLines {
        std::optional<std::vector<std::string>> lines;
        std::string problem;
        bool unreadable = false;
    };
    FileLines settingFileLines(const std::string& file) const;
    // Puts value lines on the pages, as applying a set or importing does.
    void applyLines(const std::vector<std::string>& lines);

    // The store's path; a file whose name differs only in case is the same file.
    std::string path() const;

    // A name the store can hold: 1 to the profile's longest name of
    // characters, no leading blank, no control characters and no "|"
    // (Windows-1252 bytes).
    bool validName(const std::string& name) const;

    // The largest store that is read: no store the programs write comes
    // near it, and delete refuses anything larger.
    static constexpr std::size_t kSizeLimit = 30000;

  private:
    enum class SaveScan { Free, Exists, Full };
    SaveScan findForSave(const StoreRecords& store, const std::string& name) const;
    std::string recordOf(const std::string& name) const;
    const std::string& pick(const std::string& german, const std::string& english) const;
    void informed(const std::string& german, const std::string& english);
    void warned(const std::string& german, const std::string& english);
    void fatalOpen();
    bool refusedName(const std::string& name, const std::string& shown, bool saving);
    bool refusedCharacter(const std::string& nameText);
    std::vector<std::string> factoryLines() const;
    std::vector<std::string> recordValues(const StoreRecords& store, std::size_t record) const;
    std::optional<StoreRecords> readStore(const std::string& file, bool forUpdate) const;
    bool madeWhole(const std::string& file, StoreRecords& store);
    std::string damage(const StoreRecords& store) const;

    SettingsProfile profile_;
    std::string startDirectory_;
    ParameterForm& form_;
    SettingsUi& ui_;
    SettingFile file_;
    bool english_ = false;
};

}  // namespace controller
