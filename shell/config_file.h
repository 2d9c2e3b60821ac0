// The controller program's configuration file beside it: the port digit,
// a phonebook of up to 20 locations and up to 3 dial-in numbers for alarm
// SMS. Byte-compatible with the files operators already have: CR LF line
// ends on disk, a 28-byte header line that is never read, Windows-1252.
// The file is never held open; every operation reads it, changes it and
// lets go of it again.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace shell {

enum class ConfigCaption { None, Program, Sms };
enum class ConfigIcon { None, Information, Exclamation, Question };

// What the file does to the screen. Texts are UTF-8.
class ConfigFileUi {
  public:
    virtual ~ConfigFileUi() = default;
    virtual void setComDigit(char digit) = 0;
    virtual void setDialNumber(const std::string& number) = 0;
    virtual void addLocation(const std::string& name) = 0;
    virtual void removeLocation(const std::string& name) = 0;
    virtual void addSmsNumber(const std::string& number) = 0;
    virtual void removeSmsNumber(const std::string& number) = 0;
    virtual void inform(const std::string& text, ConfigCaption caption, ConfigIcon icon) = 0;
    // Yes/No with a stop icon, kept on top; true for Yes.
    virtual bool confirmDelete(const std::string& text, ConfigCaption caption) = 0;
    // Yes/No; true for Yes.
    virtual bool ask(const std::string& text) = 0;
    // Shows the text and ends the program with exit code 0; when it returns
    // (tests), the operation has ended too.
    virtual void fatal(const std::string& text, ConfigIcon icon) = 0;
};

// The names and texts that differ between the controller programs.
struct ConfigProfile {
    std::string fileName;     // "AquendorKSV2.ini"
    std::string smsFileName;  // the spelling of the SMS-number operations
    std::string startCorruptGerman;
    std::string startCorruptEnglish;
    std::string addEmptyEnglish;
};

ConfigProfile softenerConfigProfile();
ConfigProfile osmosisConfigProfile();

class ConfigFile {
  public:
    ConfigFile(ConfigProfile profile, std::string startDirectory, ConfigFileUi& ui);

    void setEnglish(bool english) { english_ = english; }

    void LoadAtStart();
    void FindDialNumber(const std::string& name);
    void AddLocation(const std::string& name, const std::string& dialNumber);
    void RemoveLocation(const std::string& name);
    void AddSmsNumber(const std::string& number);
    void RemoveSmsNumber(const std::string& number);
    void StorePortDigit(char fieldDigit);

    // The file's path: a file whose name differs only in case is the same file.
    std::string path(const std::string& fileName) const;

    static const char* defaultContent() { return "//never edit this file !//\r\nCOM2\r\n"; }

  private:
    struct SmsScan;
    // Reads the file and its SMS number lines for the SMS operations; null
    // after a fatal problem.
    std::unique_ptr<SmsScan> scanSmsNumbers(const std::string& fileName, bool forUpdate);
    const std::string& pick(const std::string& german, const std::string& english) const;
    std::optional<std::string> readFile(const std::string& fileName, bool forUpdate) const;
    bool createDefault(const std::string& fileName);
    bool rewrite(const std::string& fileName, const std::string& bytes);
    bool append(const std::string& fileName, const std::string& bytes);
    void fatal(const std::string& fileName, const std::string& text, ConfigIcon icon);
    void notWritten(const std::string& fileName, ConfigCaption caption, const std::string& german,
                    const std::string& english);
    void fatalOpen(const std::string& fileName, bool addLocation);
    void fatalCorrupt(const std::string& fileName);
    void fatalShortCorrupt(const std::string& fileName);

    ConfigProfile profile_;
    std::string startDirectory_;
    ConfigFileUi& ui_;
    bool english_ = false;
};

}  // namespace shell
