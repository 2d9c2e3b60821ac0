// The named settings store and the setting files: any store a user may
// have (cut short, LF line ends, overlong or binary lines, another
// spelling of the name), pages holding any values, and a sequence of the
// operations of the settings group. A damaged store is kept in a copy and
// cut back to its whole records at the start. A saved set is a record of
// exactly its line count and comes back as it was saved; a deleted set
// takes its record with it and nothing else; an export imports again to
// the same pages; no temporary file is left behind.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "controller/memory_form.h"
#include "controller/setting_lines.h"
#include "controller/settings_store.h"
#include "controller/store_records.h"
#include "support/files.h"
#include "support/fuzz_check.h"
#include "support/record_positions.h"
#include "support/scratch_folder.h"
#include "support/settings_of_program.h"

namespace {

using controller::SettingsStore;

const controller::SettingsProfile& profile() {
    return fuzzing::settingsOfProgram();
}

struct SettingsGroup : controller::SettingsUi {
    std::vector<std::string> names, removed;
    bool fatalShown = false;
    bool answer = true;
    std::string exportName, importName;

    void addName(const std::string& name) override { names.push_back(name); }
    void removeName(const std::string& name) override { removed.push_back(name); }
    void inform(const std::string&, controller::SettingsIcon) override {}
    bool confirmDelete(const std::string&) override { return answer; }
    void fatal(const std::string&, controller::SettingsIcon) override { fatalShown = true; }
    std::string exportFileName() override { return exportName; }
    std::string importFileName() override { return importName; }
    void showLinkState() override {}
};

std::vector<std::string> pageLines(const controller::ParameterForm& form) {
    return controller::valueLines(profile().values, form);
}

// A store whose records all start where a reader looks for names.
bool aligned(const std::string& bytes) {
    return controller::linesAfterHeader(bytes).size() % profile().recordLines() == 0;
}

// The names a program start lists, without the factory entry.
std::vector<std::string> listedNames(const std::string& folder) {
    controller::MemoryForm form(profile().values, profile().placeholder);
    SettingsGroup group;
    SettingsStore store(profile(), folder, form, group);
    store.LoadNames();
    std::erase(group.names, store.factoryName());
    std::sort(group.names.begin(), group.names.end());
    return group.names;
}

void checkSave(const std::string& before, const std::string& after, const std::string& folder,
               const SettingsGroup& group, const std::vector<std::string>& saved) {
    FUZZ_CHECK(!group.names.empty(), "a saved set is put on the list");
    const std::string& name = group.names.back();
    FUZZ_CHECK(after.size() > before.size() && after.compare(0, before.size(), before) == 0,
               "a saved set is appended, the store before it unchanged");
    std::string lead = before;
    if (before.empty())
        lead = controller::kSettingsHeader;
    else if (before.back() != '\n')
        lead += "\r\n";
    FUZZ_CHECK(controller::linesAfterHeader(after).size() ==
                   controller::linesAfterHeader(lead).size() + profile().recordLines(),
               "a saved record has exactly its line count");
    if (!aligned(lead)) return;
    controller::MemoryForm form(profile().values, profile().placeholder);
    SettingsGroup fresh;
    SettingsStore store(profile(), folder, form, fresh);
    store.ApplySet(name);
    FUZZ_CHECK(!fresh.fatalShown && pageLines(form) == saved, "a saved set comes back as saved");
    const auto names = listedNames(folder);
    FUZZ_CHECK(std::find(names.begin(), names.end(), name) != names.end() ||
                   controller::linesAfterHeader(after).size() >
                       profile().recordLines() * profile().maxSets,
               "a saved set is listed at the next start");
}

void checkDelete(const std::string& before, const std::string& after) {
    const auto old = controller::linesAfterHeader(before),
               now = controller::linesAfterHeader(after);
    const std::size_t gone = old.size() - now.size();
    FUZZ_CHECK(now.size() < old.size() && gone <= profile().recordLines(),
               "a deleted set takes at most its own record with it");
    FUZZ_CHECK(gone == profile().recordLines() || before.compare(0, after.size(), after) == 0,
               "only the last set, cut short, is shorter than a record");
}

controller::StoreRecords recordsOf(const std::string& bytes) {
    return controller::StoreRecords(bytes, profile().recordLines(), SettingsStore::kSizeLimit);
}

// A damaged store is kept in a copy as it was and cut back to whole records.
void checkStart(const std::string& original, const std::string& path) {
    if (recordsOf(original).damaged())
        FUZZ_CHECK(fuzzing::fileBytes(path + ".damaged") == original,
                   "a damaged store is kept byte for byte in a copy beside it");
    FUZZ_CHECK(!recordsOf(fuzzing::fileBytes(path).value_or("")).damaged(),
               "after the start the store holds whole records only");
}

enum Operation { Apply, Save, Delete, Export, Import, kOperations };

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto setup = input.ConsumeIntegral<std::uint8_t>();
    const std::string& folder = fuzzing::ScratchFolder::fresh();
    const std::string& storeName = profile().storeFileName;
    const std::string fileName = (setup & 1) ? fuzzing::otherSpelling(storeName) : storeName;
    std::string original;
    if (!(setup & 2)) {
        original = input.ConsumeRandomLengthString(6000);
        fuzzing::putFile(folder + "/" + fileName, original);
    }
    const std::string path = folder + "/" + ((setup & 2) ? storeName : fileName);

    // Pages as after a start with the factory setting, then changed anyhow.
    controller::MemoryForm form(profile().values, profile().placeholder);
    std::vector<std::string> factory;
    for (const controller::SettingValue& value : profile().values) factory.push_back(value.factory);
    controller::applyValueLines(profile().values, factory, form);
    controller::applyValueLines(profile().values,
                                fuzzing::splitLines(input.ConsumeRandomLengthString(3000)), form);
    SettingsGroup group;
    SettingsStore store(profile(), folder, form, group);
    store.setEnglish(setup & 4);
    store.LoadNames();
    if (group.fatalShown) return 0;
    checkStart(original, path);
    const std::string exported = folder + "/export.stg", imported = folder + "/import.stg";
    group.exportName = exported;
    group.importName = imported;
    fuzzing::putFile(imported, input.ConsumeRandomLengthString(3000));
    // The store, the file to import and a damaged store's copy.
    const std::set<std::string> files = fuzzing::folderEntries(folder);

    for (int step = 0; step < 4 && input.remaining_bytes() > 0; ++step) {
        const auto operation = input.ConsumeIntegralInRange<int>(0, kOperations - 1);
        std::string name = input.ConsumeRandomLengthString(40);
        group.answer = input.ConsumeBool();
        // Names are picked from the list, or typed.
        if (input.ConsumeBool() && !group.names.empty())
            name = group.names[name.size() % group.names.size()];
        const std::string before = fuzzing::fileBytes(path).value_or("");
        const std::vector<std::string> pages = pageLines(form);
        group.removed.clear();
        switch (operation) {
            case Apply:
                store.ApplySet(name);
                break;
            case Save:
                store.SaveSet(name);
                break;
            case Delete:
                store.DeleteSet(name);
                break;
            case Export:
                store.Export();
                break;
            default:
                store.Import();
                break;
        }
        const std::string after = fuzzing::fileBytes(path).value_or("");
        auto present = fuzzing::folderEntries(folder);
        present.erase("export.stg");
        FUZZ_CHECK(present == files, "no temporary file is left beside the store");
        if (group.fatalShown) {
            FUZZ_CHECK(after == before, "a fatal problem leaves the store as it was");
            return 0;
        }
        if (operation == Save && after != before) checkSave(before, after, folder, group, pages);
        if (operation == Delete && after != before) checkDelete(before, after);
        if (operation == Delete)
            FUZZ_CHECK((after != before) == (group.removed.size() == 1),
                       "a name leaves the list exactly when its set leaves the store");
        if (operation != Save && operation != Delete)
            FUZZ_CHECK(after == before, "only saving and deleting change the store");
        if (operation == Export) {
            const auto bytes = fuzzing::fileBytes(exported);
            FUZZ_CHECK(bytes.has_value(), "an export writes its file");
            controller::MemoryForm again(profile().values, profile().placeholder);
            const auto values = controller::SettingFile(profile().values).valuesOf(*bytes);
            FUZZ_CHECK(values && values->size() == profile().values.size(),
                       "an exported file holds one line per value");
            controller::applyValueLines(profile().values, *values, again);
            FUZZ_CHECK(pageLines(again) == pages, "an export imports to the same pages");
        }
    }
    return 0;
}
