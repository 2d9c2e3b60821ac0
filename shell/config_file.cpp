#include "shell/config_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "controller/config_text.h"
#include "files/cp1252.h"
#include "files/file_write.h"

namespace shell {

namespace {

using controller::readSegment;
using controller::Segment;
using controller::TextImage;

constexpr std::size_t kHeaderBytes = controller::kConfigHeaderBytes;
constexpr std::size_t kPortDigitByte = 31;
constexpr std::size_t kScanLimit = 3000;
constexpr std::size_t kCarryLimit = 500;
constexpr std::size_t kWholeFileLimit = 30000;
constexpr std::size_t kMaxLocations = 20;
constexpr std::size_t kMaxSmsNumbers = 3;
constexpr std::size_t kMaxSmsDigits = 20;
constexpr std::size_t kScreenChars = 39;

bool startsWithDigit(const std::string& text, std::size_t pos) {
    return pos < text.size() && text[pos] >= '0' && text[pos] <= '9';
}

// Cut to what the screen field holds, then to the file's code page. A
// pasted line break or tab would split the entry's line or hide in it:
// control characters become blanks, so an entry is always one line.
std::string toFile(const std::string& utf8) {
    std::string cp = files::utf8ToCp1252(utf8);
    if (cp.size() > kScreenChars) cp.resize(kScreenChars);
    for (char& c : cp)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return cp;
}

struct SmsLine {
    std::string number;
    std::size_t begin, end;  // text positions of the line, line end included
};

std::vector<SmsLine> smsLines(const TextImage& image) {
    std::vector<SmsLine> lines;
    std::size_t pos = 0;
    while (pos < image.size()) {
        const std::size_t begin = pos;
        const bool sms = startsWithDigit(image.text, pos);
        std::string line;
        while (pos < image.size() && image.text[pos] != '\n') line += image.text[pos++];
        if (pos < image.size()) ++pos;
        if (sms) lines.push_back({line, begin, pos});
    }
    return lines;
}

}  // namespace

ConfigProfile softenerConfigProfile() {
    return {
        "AquendorKSV2.ini", "AquendorKSV2.ini",
        "Datei AquendorKSV2.ini ist defekt!\nBitte AquendorKSV2.ini l\u00F6schen und das Programm "
        "neu starten\nProgramm wird beendet",
        "file AquendorKSV2.ini corrupted!\nplease delete AquendorKSV2.ini and start again\nexit "
        "program",
        "no location and/or dialnumber inscribed"};
}

ConfigProfile osmosisConfigProfile() {
    return {
        "aquendorPLN2.ini", "AquendorPLN2.ini",
        "Datei aquendorPLN2.ini ist defekt!\nBitte aquendorPLN2.ini l\u00F6schen und das Programm "
        "neu starten\nProgram wird beendet",
        "file aquendorPLN2.ini corrupted!\nplease delete aquendorPLN2.ini and start again\nexit "
        "program",
        "no location and/or dialupnumber inscribed"};
}

ConfigFile::ConfigFile(ConfigProfile profile, std::string startDirectory, ConfigFileUi& ui)
    : profile_(std::move(profile)), startDirectory_(std::move(startDirectory)), ui_(ui) {}

const std::string& ConfigFile::pick(const std::string& german, const std::string& english) const {
    return english_ ? english : german;
}

std::string ConfigFile::path(const std::string& fileName) const {
    return controller::fileInFolder(startDirectory_, fileName);
}

// A file edited with a Linux editor has lone LF line ends. It is read as if
// it had CR LF, every offset of the grammar counts on that, and it is
// written back so when the program may change it.
std::optional<std::string> ConfigFile::readFile(const std::string& fileName, bool forUpdate) const {
    auto bytes = files::readWholeFile(path(fileName), forUpdate);
    if (!bytes) return bytes;
    std::string normal;
    normal.reserve(bytes->size());
    for (std::size_t i = 0; i < bytes->size(); ++i) {
        if ((*bytes)[i] == '\n' && (i == 0 || (*bytes)[i - 1] != '\r')) normal += '\r';
        normal += (*bytes)[i];
    }
    if (normal.size() != bytes->size()) {
        if (forUpdate) files::rewriteFile(path(fileName), normal);
        bytes = std::move(normal);
    }
    return bytes;
}

bool ConfigFile::createDefault(const std::string& fileName) {
    return files::writeNewFile(path(fileName), defaultContent()) == files::NewFileResult::Written;
}

// A rewrite never leaves half a file and keeps what the user set up: the
// file's mode, owner and symbolic link.
bool ConfigFile::rewrite(const std::string& fileName, const std::string& bytes) {
    return files::rewriteFile(path(fileName), bytes);
}

bool ConfigFile::append(const std::string& fileName, const std::string& bytes) {
    return files::appendToFile(path(fileName), bytes);
}

// Every message that ends the program names the file's full path on its
// second line: the technician has to find the file to mend or delete it.
void ConfigFile::fatal(const std::string& fileName, const std::string& text, ConfigIcon icon) {
    const auto lineEnd = text.find('\n');
    const std::string where = path(fileName);
    ui_.fatal(lineEnd == std::string::npos
                  ? text + "\n" + where
                  : text.substr(0, lineEnd) + "\n" + where + text.substr(lineEnd),
              icon);
}

// A write that failed (a full disk) has left the file as it was: the
// operator is told so and goes on, the pages keep their edits.
void ConfigFile::notWritten(const std::string& fileName, ConfigCaption caption,
                            const std::string& german, const std::string& english) {
    ui_.inform(pick("Kann " + fileName + " nicht schreiben !\n" + path(fileName) + "\n" + german +
                        ", die Datei ist unver\u00E4ndert.",
                    "cannot write " + fileName + " !\n" + path(fileName) + "\n" + english +
                        "; the file is unchanged."),
               caption, ConfigIcon::Exclamation);
}

void ConfigFile::fatalOpen(const std::string& fileName, bool addLocation) {
    const std::string english = "cannot open " + fileName + " !\nexit program";
    if (!addLocation) {
        fatal(fileName, english, ConfigIcon::None);
        return;
    }
    fatal(fileName,
          pick("Kann " + fileName + " nicht \u00F6ffnen!\nProgramm wird beendet", english),
          ConfigIcon::None);
}

void ConfigFile::fatalCorrupt(const std::string& fileName) {
    fatal(fileName,
          "file " + fileName + " corrupted!\nplease delete " + fileName +
              " and start again\nexit program",
          ConfigIcon::None);
}

void ConfigFile::fatalShortCorrupt(const std::string& fileName) {
    fatal(fileName, fileName + " corrupt\nexit program", ConfigIcon::Exclamation);
}

// ---- start-up ----------------------------------------------------------------

void ConfigFile::LoadAtStart() {
    const std::string& name = profile_.fileName;
    const auto bytes = readFile(name, true);
    if (!bytes) {
        if (!createDefault(name)) {
            fatal(name,
                  pick("Kann " + name + " nicht \u00F6ffnen !\nProgramm wird beendet",
                       "cannot open " + name + " !\nexit program"),
                  ConfigIcon::None);
            return;
        }
        ui_.setComDigit('2');
        return;
    }
    const TextImage image(*bytes, kHeaderBytes);
    const std::string& t = image.text;
    const auto corrupt = [&] {
        fatal(name, pick(profile_.startCorruptGerman, profile_.startCorruptEnglish),
              ConfigIcon::None);
    };
    if (t.size() < 4 || t.compare(0, 3, "COM") != 0 || t[3] < '1' || t[3] > '9') return corrupt();
    ui_.setComDigit(t[3]);
    std::size_t pos = 4;
    if (readSegment(image, pos, "\n").tooLong) return corrupt();
    bool smsBlock = false;
    while (pos < image.size()) {
        smsBlock = smsBlock || startsWithDigit(t, pos);
        const Segment head = readSegment(image, pos, "|\n");
        if (head.tooLong) return corrupt();
        if (head.closedBy == '|') {
            if (!head.text.empty()) ui_.addLocation(files::cp1252ToUtf8(head.text));
            if (readSegment(image, pos, "\n").tooLong) return corrupt();
        } else if (head.closedBy == '\n' && smsBlock) {
            ui_.addSmsNumber(files::cp1252ToUtf8(head.text));
        }
    }
}

// ---- locations -----------------------------------------------------------------

void ConfigFile::FindDialNumber(const std::string& name) {
    const std::string& file = profile_.fileName;
    const auto bytes = readFile(file, true);
    if (!bytes) return fatalOpen(file, false);
    const TextImage image(*bytes, kHeaderBytes);
    // The list holds names as the file has them, longer ones included.
    const std::string wanted = files::utf8ToCp1252(name);
    std::size_t pos = 0;
    if (readSegment(image, pos, "\n").tooLong) return fatalCorrupt(file);
    while (pos < image.size()) {
        const Segment head = readSegment(image, pos, "|\n");
        if (head.tooLong) break;
        if (head.closedBy != '|') continue;
        const Segment number = readSegment(image, pos, "\n");
        if (number.tooLong) break;
        if (head.text == wanted) {
            ui_.setDialNumber(files::cp1252ToUtf8(number.text));
            return;
        }
    }
    fatalCorrupt(file);  // a selected name must be in the file
}

void ConfigFile::AddLocation(const std::string& nameText, const std::string& numberText) {
    const std::string& file = profile_.fileName;
    const std::string name = toFile(nameText), number = toFile(numberText);
    if (name.empty() || number.empty()) {
        ui_.inform(pick("Kein Standort und/oder keine W\u00E4hlnummer eingetragen",
                        profile_.addEmptyEnglish),
                   ConfigCaption::Program, ConfigIcon::Information);
        return;
    }
    // A line that begins with a digit is an SMS number to every reader.
    if (startsWithDigit(name, 0)) {
        ui_.inform(pick("Ein Standortname darf nicht mit einer Ziffer beginnen !",
                        "a location name must not begin with a digit !"),
                   ConfigCaption::Program, ConfigIcon::Information);
        return;
    }
    const auto bytes = readFile(file, true);
    if (!bytes) return fatalOpen(file, true);
    const TextImage image(*bytes, kHeaderBytes);
    if (image.size() > kScanLimit)
        return fatal(file,
                     pick("Datei " + file + " ist defekt\nProgramm wird beendet",
                          "file " + file + " is corrupt\nexit program"),
                     ConfigIcon::Exclamation);
    std::size_t locations = 0;
    for (char c : image.text) locations += c == '|';
    std::size_t pos = 0;
    if (readSegment(image, pos, "\n").tooLong)
        return fatal(file,
                     pick("Datei " + file + " ist defekt!\nBitte Datei " + file +
                              " l\u00F6schen und Programm neu starten.\nProgramm wird beendet",
                          "file " + file + " corrupt!\nplease delete " + file +
                              " and start again\nexit program"),
                     ConfigIcon::None);
    std::size_t insertion = pos;
    bool smsFollow = false, duplicate = false;
    while (pos < image.size() && !duplicate) {
        if (startsWithDigit(image.text, pos)) {
            insertion = pos;
            smsFollow = true;
            break;
        }
        const Segment head = readSegment(image, pos, "|\n");
        Segment rest;
        if (head.closedBy == '|') rest = readSegment(image, pos, "\n");
        if (head.tooLong || rest.tooLong)
            return fatal(file,
                         pick("Datei " + file + " ist defekt!\nBitte Datei " + file +
                                  " l\u00F6schen und Programm neu starten\nProgramm wird beendet",
                              "file " + file + " corrupted!\nplease delete " + file +
                                  " and start again\nexit program"),
                         ConfigIcon::None);
        duplicate = head.closedBy == '|' && head.text == name;
        if (head.closedBy == '|' && rest.closedBy == '\n') insertion = pos;
    }
    if (duplicate)
        return ui_.inform(pick("Standortname bereits vergeben !", "location already exists !"),
                          ConfigCaption::Program, ConfigIcon::Information);
    if (locations >= kMaxLocations)
        return ui_.inform(pick("max. 20 Standorte!", "max. 20 locations!"), ConfigCaption::Program,
                          ConfigIcon::Information);
    if (smsFollow && image.size() - insertion > kCarryLimit) return fatalShortCorrupt(file);

    // What follows the insertion point is carried along, never written over.
    const std::size_t at = image.disk[insertion];
    const std::string line = name + "|" + number + "\r\n";
    // A last line without its line end gets one, so the entry starts a line.
    const bool open = !bytes->empty() && bytes->back() != '\n';
    const bool written = at == bytes->size()
                             ? append(file, (open ? "\r\n" : "") + line)
                             : rewrite(file, bytes->substr(0, at) + line + bytes->substr(at));
    if (!written)
        return notWritten(file, ConfigCaption::Program, "Der Standort wurde nicht gespeichert",
                          "The location was not saved");
    ui_.addLocation(files::cp1252ToUtf8(name));
    ui_.inform(pick("Standort gespeichert !", "location saved !"), ConfigCaption::Program,
               ConfigIcon::Information);
}

void ConfigFile::RemoveLocation(const std::string& nameText) {
    const std::string& file = profile_.fileName;
    const std::string name = toFile(nameText);
    if (name.empty())
        return ui_.inform(pick("Kein Standort vorhanden !", "no location to delete !"),
                          ConfigCaption::Program, ConfigIcon::Information);
    const auto bytes = readFile(file, true);
    if (!bytes) return fatalOpen(file, false);
    const TextImage image(*bytes, 0);
    if (image.size() > kWholeFileLimit) return fatalShortCorrupt(file);
    std::size_t pos = 0;
    for (int skipped = 0; skipped < 2; ++skipped)  // header and port line
        if (readSegment(image, pos, "\n").tooLong) return fatalCorrupt(file);
    std::optional<std::size_t> found;
    while (pos < image.size() && !found) {
        const std::size_t begin = pos;
        const Segment head = readSegment(image, pos, "|\n");
        Segment rest;
        if (head.closedBy == '|') rest = readSegment(image, pos, "\n");
        if (head.tooLong || rest.tooLong) return fatalCorrupt(file);
        if (head.closedBy == '|' && head.text == name) found = begin;
    }
    if (!found)
        return ui_.inform(pick("Standort nicht gefunden !", "location not found !"),
                          ConfigCaption::Program, ConfigIcon::Information);
    const std::string shown = files::cp1252ToUtf8(name);
    if (!ui_.confirmDelete(pick("Standort " + shown + " wirklich l\u00F6schen ?",
                                "Are you shure to delete the location " + shown + " ?"),
                           ConfigCaption::Program))
        return;
    const std::string kept = bytes->substr(0, image.disk[*found]) + bytes->substr(image.disk[pos]);
    if (!rewrite(file, kept))
        return notWritten(file, ConfigCaption::Program, "Der Standort wurde nicht gel\u00F6scht",
                          "The location was not deleted");
    ui_.removeLocation(shown);
    ui_.inform(pick("Standort gel\u00F6scht !", "location deleted !"), ConfigCaption::Program,
               ConfigIcon::Information);
}

// ---- SMS dial-in numbers -----------------------------------------------------------

struct ConfigFile::SmsScan {
    std::string bytes;
    TextImage image;
    std::vector<SmsLine> lines;
};

std::unique_ptr<ConfigFile::SmsScan> ConfigFile::scanSmsNumbers(const std::string& file,
                                                                bool forUpdate) {
    const auto bytes = readFile(file, forUpdate);
    if (!bytes) {
        fatalOpen(file, false);
        return nullptr;
    }
    auto scan = std::make_unique<SmsScan>(SmsScan{*bytes, TextImage(*bytes, kHeaderBytes), {}});
    std::size_t pos = 0;
    if (readSegment(scan->image, pos, "\n").tooLong) {
        fatalCorrupt(file);
        return nullptr;
    }
    if (scan->image.size() > kScanLimit) {
        fatalShortCorrupt(file);
        return nullptr;
    }
    scan->lines = smsLines(scan->image);
    return scan;
}

void ConfigFile::AddSmsNumber(const std::string& numberText) {
    const std::string& file = profile_.smsFileName;
    const std::string number = toFile(numberText);
    const auto say = [&](const std::string& german, const std::string& english) {
        ui_.inform(pick(german, english), ConfigCaption::Sms, ConfigIcon::Information);
    };
    if (number.empty())
        return say("Keine sms-Wahlnummer eingetragen", "no sms-dialupnumber inscribed");
    // Every reader takes a line that begins with a digit for an SMS number:
    // anything but digits (a pasted line end, a "|") would write phonebook
    // lines of its own.
    if (number.size() > kMaxSmsDigits ||
        !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return say("Bitte nur Ziffern eingeben!", "Please insert numbers only!");
    const auto scan = scanSmsNumbers(file, true);
    if (!scan) return;
    const std::vector<SmsLine>& lines = scan->lines;
    const std::string& bytes = scan->bytes;
    if (lines.size() >= kMaxSmsNumbers)
        return say("max. 3 SMS-Wahlnummern !", "max. 3 SMS-dialupnumbers !");
    for (const SmsLine& line : lines)
        if (line.number == number)
            return say("sms- Wahlnummer bereits vorhanden !", "sms- dialupnumber already exists !");
    // A last line without its line end gets one, so the number starts a line.
    const bool open = !bytes.empty() && bytes.back() != '\n';
    if (!append(file, (open ? "\r\n" : "") + number + "\r\n"))
        return notWritten(file, ConfigCaption::Sms, "Die sms- Wahlnummer wurde nicht gespeichert",
                          "The sms- dialupnumber was not saved");
    ui_.addSmsNumber(files::cp1252ToUtf8(number));
    if (lines.empty())
        say("sms-Wahlnummer gespeichert !", "sms-dialupnumber saved !");
    else
        say("sms- Wahlnummer gespeichert !", "sms- dialupnumber saved !");
}

void ConfigFile::RemoveSmsNumber(const std::string& numberText) {
    const std::string& file = profile_.smsFileName;
    const std::string number = toFile(numberText);
    const auto say = [&](const std::string& german, const std::string& english) {
        ui_.inform(pick(german, english), ConfigCaption::Sms, ConfigIcon::Information);
    };
    if (number.empty())
        return say("Keine sms- Wahlnummer eingetragen", "no sms-dialupnumber inscribed");
    const auto scan = scanSmsNumbers(file, false);
    if (!scan) return;
    const std::vector<SmsLine>& lines = scan->lines;
    if (lines.empty())
        return say("Keine sms- Wahlnummer in der Liste !", "no sms- dialinnumber in the list !");
    const SmsLine* match = nullptr;
    for (const SmsLine& line : lines)
        if (!match && line.number == number) match = &line;
    if (!match)
        return say("sms- Wahlnummer nicht in der Liste !",
                   "sms- dialinnumber is not in the list !");
    const std::string shown = files::cp1252ToUtf8(number);
    if (!ui_.confirmDelete(
            pick("Den sms- Wahlnummereintrag " + shown + " l\u00F6schen ?",
                 "Are you shure to delete the sms-dialinnumber entry " + shown + " ?"),
            ConfigCaption::Sms))
        return;
    const std::string kept = scan->bytes.substr(0, scan->image.disk[match->begin]) +
                             scan->bytes.substr(scan->image.disk[match->end]);
    if (!rewrite(file, kept))
        return notWritten(file, ConfigCaption::Sms, "Die sms- Wahlnummer wurde nicht gel\u00F6scht",
                          "The sms- dialupnumber was not deleted");
    ui_.removeSmsNumber(shown);
    say("sms- Wahlnummer gel\u00F6scht !", "sms- dialupnumber deleted !");
}

// ---- port digit ---------------------------------------------------------------------

void ConfigFile::StorePortDigit(char fieldDigit) {
    const std::string& name = profile_.fileName;
    const auto bytes = readFile(name, true);
    if (!bytes) {
        if (!createDefault(name))
            return fatal(name,
                         pick("Kann " + name + " nicht \u00F6ffnen !\nProgramm wird beendet",
                              "cannot open " + name + " !\nexit program"),
                         ConfigIcon::None);
        ui_.setComDigit('2');
        return;
    }
    if (fieldDigit == '\0' || bytes->size() <= kPortDigitByte) return;
    const char stored = (*bytes)[kPortDigitByte];
    if (stored == fieldDigit) return;
    const std::string from(1, stored), to(1, fieldDigit);
    if (!ui_.ask(pick(
            "Schnittstelle von COM" + from + "\nnach COM" + to + " gewechselt\n" +
                "Einstellung speichern?",
            "interface is changed from COM" + from + "\nto COM" + to + "\n" + "save setting?")))
        return;
    // The digit is overwritten in place: the file keeps its length.
    const int fd = ::open(path(name).c_str(), O_WRONLY);
    if (fd < 0) return;
    (void)!pwrite(fd, &fieldDigit, 1, static_cast<off_t>(kPortDigitByte));
    ::close(fd);
}

}  // namespace shell
