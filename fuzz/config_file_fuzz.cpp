// The configuration file: any file a user may have (edited by hand, LF
// line ends, overlong lines, binary junk, another program's spelling of
// the name), and a sequence of the operations the window runs on it. Each
// operation leaves the old file or a file changed by exactly its one line,
// the lists on screen stay what the file says, and no temporary file is
// left behind. After a fatal problem the program would end: so does the
// sequence.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "shell/config_file.h"
#include "support/files.h"
#include "support/fuzz_check.h"
#include "support/scratch_folder.h"

namespace {

struct ScreenLists : shell::ConfigFileUi {
    char comDigit = 0;
    std::string dialNumber;
    std::vector<std::string> locations, smsNumbers;
    std::vector<std::string> added, removed;  // by this operation
    bool fatalShown = false;
    bool answer = true;

    void setComDigit(char digit) override { comDigit = digit; }
    void setDialNumber(const std::string& number) override { dialNumber = number; }
    void addLocation(const std::string& name) override {
        locations.push_back(name);
        added.push_back(name);
    }
    void removeLocation(const std::string& name) override { removed.push_back(name); }
    void addSmsNumber(const std::string& number) override {
        smsNumbers.push_back(number);
        added.push_back(number);
    }
    void removeSmsNumber(const std::string& number) override { removed.push_back(number); }
    void inform(const std::string&, shell::ConfigCaption, shell::ConfigIcon) override {}
    bool confirmDelete(const std::string&, shell::ConfigCaption) override { return answer; }
    bool ask(const std::string&) override { return answer; }
    void fatal(const std::string&, shell::ConfigIcon) override { fatalShown = true; }
};

// What a program start reads from the file; nothing when it would end.
struct StartView {
    char comDigit = 0;
    std::vector<std::string> locations, smsNumbers;
};

std::optional<StartView> startView(const std::string& folder) {
    ScreenLists lists;
    shell::ConfigFile config(shell::softenerConfigProfile(), folder, lists);
    config.LoadAtStart();
    if (lists.fatalShown) return std::nullopt;
    std::sort(lists.locations.begin(), lists.locations.end());
    std::sort(lists.smsNumbers.begin(), lists.smsNumbers.end());
    return StartView{lists.comDigit, lists.locations, lists.smsNumbers};
}

std::vector<std::string> withItem(std::vector<std::string> list, const std::string& item) {
    list.push_back(item);
    std::sort(list.begin(), list.end());
    return list;
}

std::vector<std::string> withoutItem(std::vector<std::string> list, const std::string& item) {
    const auto found = std::find(list.begin(), list.end(), item);
    if (found != list.end()) list.erase(found);
    return list;
}

// The lines of a file, each with its line end.
std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size() - 1);
        lines.push_back(bytes.substr(start, end + 1 - start));
        start = end + 1;
    }
    return lines;
}

// after is before with one line more; an entry appended behind a last line
// without its line end ends that line first.
bool oneLineInserted(const std::string& before, const std::string& after) {
    auto old = linesOf(before), now = linesOf(after);
    if (now.size() != old.size() + 1) return false;
    for (std::size_t i = 0; i < now.size(); ++i) {
        auto rest = now;
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(i));
        if (rest == old) return true;
    }
    return false;
}

bool oneLineAdded(const std::string& before, const std::string& after) {
    const bool open = !before.empty() && before.back() != '\n';
    return oneLineInserted(before, after) || (open && oneLineInserted(before + "\r\n", after));
}

// A start does not list a last line without its line end; saving an SMS
// number ends that line first, so from then on it is listed too.
bool listedAfterSave(const std::vector<std::string>& listed, const std::vector<std::string>& now,
                     const std::string& saved, const std::string& before) {
    const std::vector<std::string> expected = withItem(listed, saved);
    if (now == expected) return true;
    if (before.empty() || before.back() == '\n' || now.size() != expected.size() + 1) return false;
    return std::includes(now.begin(), now.end(), expected.begin(), expected.end());
}

std::vector<std::string> startingWithDigit(std::vector<std::string> list) {
    std::erase_if(list, [](const std::string& item) {
        return item.empty() || item[0] < '0' || item[0] > '9';
    });
    return list;
}

// The SMS block begins with the first line that starts with a digit, and
// every line after it counts as a number. Deleting that first line lets
// the block begin later: lines between it and the next digit (blank lines,
// text) are then no longer listed. Numbers that start with a digit go
// exactly with the file.
bool listedAfterDelete(const std::vector<std::string>& listed, const std::vector<std::string>& now,
                       const std::string& deleted) {
    const std::vector<std::string> expected = withoutItem(listed, deleted);
    if (now == expected) return true;
    return startingWithDigit(now) == startingWithDigit(expected) &&
           std::includes(expected.begin(), expected.end(), now.begin(), now.end());
}

bool oneLineRemoved(const std::string& before, const std::string& after) {
    return oneLineInserted(after, before);
}

// A name as the location field lets it through: no leading blank or "|",
// no "|" at all.
std::string fieldName(std::string name) {
    if (!name.empty() && (name[0] == ' ' || name[0] == '|')) return {};
    std::erase(name, '|');
    return name;
}

enum Operation { Find, AddPlace, RemovePlace, AddSms, RemoveSms, StorePort, kOperations };

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto setup = input.ConsumeIntegral<std::uint8_t>();
    const std::string& folder = fuzzing::ScratchFolder::fresh();
    // The file under the program's spelling or another one, or none at all.
    const char* names[] = {"AquendorKSV2.ini", "aquendorksv2.INI"};
    const std::string file = folder + "/" + names[setup & 1];
    if (!(setup & 2)) fuzzing::putFile(file, input.ConsumeRandomLengthString(4000));
    const std::string fileName = (setup & 2) ? "AquendorKSV2.ini" : names[setup & 1];
    const std::string path = folder + "/" + fileName;

    for (int step = 0; step < 4 && input.remaining_bytes() > 0; ++step) {
        const auto operation = input.ConsumeIntegralInRange<int>(0, kOperations - 1);
        const std::string text = input.ConsumeRandomLengthString(60);
        const std::string number = input.ConsumeRandomLengthString(30);
        const bool yes = input.ConsumeBool();

        const std::optional<StartView> viewBefore = startView(folder);  // creates a missing file
        if (!viewBefore) return 0;  // the program would not start
        const std::string before = fuzzing::fileBytes(path).value_or("");

        ScreenLists lists;
        lists.answer = yes;
        shell::ConfigFile config(shell::softenerConfigProfile(), folder, lists);
        switch (operation) {
            case Find:
                // A name picked from the list, as the window does.
                if (viewBefore->locations.empty()) continue;
                config.FindDialNumber(
                    viewBefore->locations[text.size() % viewBefore->locations.size()]);
                break;
            case AddPlace:
                config.AddLocation(fieldName(text), number);
                break;
            case RemovePlace:
                config.RemoveLocation(fieldName(text));
                break;
            case AddSms:
                config.AddSmsNumber(number);
                break;
            case RemoveSms:
                config.RemoveSmsNumber(number);
                break;
            default:
                // The COM field holds one digit 1 to 9 or nothing.
                config.StorePortDigit(
                    text.empty()
                        ? '\0'
                        : static_cast<char>('1' + static_cast<unsigned char>(text[0]) % 9));
                break;
        }
        const std::string after = fuzzing::fileBytes(path).value_or("");
        FUZZ_CHECK(fuzzing::folderEntries(folder) == std::set<std::string>{fileName},
                   "no temporary file is left beside the configuration file");
        if (lists.fatalShown) {
            FUZZ_CHECK(after == before, "a fatal problem leaves the file as it was");
            return 0;
        }
        if (after == before) {
            FUZZ_CHECK(lists.added.empty() && lists.removed.empty(),
                       "the lists change only with the file");
            continue;
        }
        const std::optional<StartView> viewAfter = startView(folder);
        FUZZ_CHECK(viewAfter.has_value(), "a change never makes the file unreadable at start");
        FUZZ_CHECK(viewAfter->comDigit == viewBefore->comDigit || operation == StorePort,
                   "only the port store changes the port");
        switch (operation) {
            case AddPlace:
                FUZZ_CHECK(oneLineAdded(before, after), "a location is one line more");
                FUZZ_CHECK(
                    lists.added.size() == 1 &&
                        viewAfter->locations == withItem(viewBefore->locations, lists.added[0]),
                    "the saved location is listed at the next start as on screen");
                FUZZ_CHECK(viewAfter->smsNumbers == viewBefore->smsNumbers,
                           "saving a location keeps the SMS numbers");
                break;
            case RemovePlace:
                FUZZ_CHECK(oneLineRemoved(before, after), "a deleted location is one line less");
                FUZZ_CHECK(lists.removed.size() == 1 &&
                               viewAfter->locations ==
                                   withoutItem(viewBefore->locations, lists.removed[0]),
                           "the deleted location is gone at the next start as on screen");
                break;
            case AddSms:
                FUZZ_CHECK(oneLineAdded(before, after), "an SMS number is one line more");
                FUZZ_CHECK(lists.added.size() == 1 &&
                               listedAfterSave(viewBefore->smsNumbers, viewAfter->smsNumbers,
                                               lists.added[0], before),
                           "the saved SMS number is listed at the next start as on screen");
                FUZZ_CHECK(viewAfter->locations == viewBefore->locations,
                           "saving an SMS number keeps the locations");
                break;
            case RemoveSms:
                FUZZ_CHECK(oneLineRemoved(before, after), "a deleted SMS number is one line less");
                FUZZ_CHECK(lists.removed.size() == 1 &&
                               listedAfterDelete(viewBefore->smsNumbers, viewAfter->smsNumbers,
                                                 lists.removed[0]),
                           "the deleted SMS number is gone at the next start as on screen");
                break;
            case StorePort:
                FUZZ_CHECK(after.size() == before.size() &&
                               after.substr(0, 31) == before.substr(0, 31) &&
                               after.substr(32) == before.substr(32),
                           "the port store overwrites the one digit");
                break;
            default:
                FUZZ_CHECK(false, "finding a dial number changes nothing");
        }
    }
    return 0;
}
