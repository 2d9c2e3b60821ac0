// The settings store and setting files byte for byte after each operation,
// their limits and refusals, line ends from Windows and Linux, values that
// must stay one line, failed writes and the fatal ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "controller/setting_lines.h"
#include "controller/settings_store.h"
#include "fake_form.h"
#include "file_size_limit.h"
#include "recording_settings_ui.h"
#include "resources/ids/ksv2_ids.h"
#include "softener/softener_settings.h"
#include "temp_folder.h"

using namespace ksv2::ids;
using namespace controller;
using namespace softener;
using testsupport::FileSizeLimit;
using testsupport::TempFolder;

namespace {

const std::string kHeader = "//never edit this file !//\r\n";

// The softener's factory setting, line by line.
const std::vector<std::string> kFactory = {
    "1",  "0",  "0100", "0",      "000100", "0",   "0",      "1800", "0800", "1",  "00",
    "0",  "00", "0",    "060",    "3",      "05",  "60",     "10",   "10",   "00", "00",
    "00", "00", "0",    "1",      "1",      "000", "0",      "1",    "00",   "00", "00",
    "00", "0",  "15",   "100000", "010000", "0",   "100000", "001",  "0",    "2",  "30",
    "0",  "05", "0",    "0",      "10",     "1",   "0",      "10",   "1",    "0",  "03",
    "1",  "0",  "0",    "0250",   "0025",   "0",   "10",     "1",    "0",    "10", "1",
    "0",  "03", "1",    "0",      "0",      "0",   "0",      "0",    "0",    "0",  "0",
    "0",  "0",  "0",    "0",      "0",      "0",   "",       "",     "",     "0"};

std::string crlf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

std::string record(const std::string& name, std::vector<std::string> values) {
    values.insert(values.begin(), name);
    return crlf(values);
}

std::vector<std::string> with(std::vector<std::string> lines, std::size_t line,
                              const std::string& value) {
    lines.at(line - 1) = value;
    return lines;
}

class SettingsStoreTest : public ::testing::Test {
  protected:
    std::string storePath() const { return folder.path() + "/AquendorKSV2.set"; }
    static void write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    SettingsStore& store() {
        if (!store_) {
            store_ =
                std::make_unique<SettingsStore>(softenerSettingsProfile(), folder.path(), form, ui);
            store_->setEnglish(english);
        }
        return *store_;
    }
    // The pages on the factory setting with an SMS text of their own.
    void pagesWithText(const std::string& text) {
        store().ApplySet(store().factoryName());
        form.setText(4, AdditionalTextEdit, text);
    }

    TempFolder folder;
    FakeForm form;
    RecordingSettingsUi ui;
    bool english = true;
    std::unique_ptr<SettingsStore> store_;
};

}  // namespace

TEST_F(SettingsStoreTest, SaveSaveDeleteAndExportByteForByte) {
    store().LoadNames();
    EXPECT_EQ(read(storePath()), kHeader);
    EXPECT_EQ(ui.names, (std::vector<std::string>{"factory setting"}));

    pagesWithText("Halle eins");
    store().SaveSet("Halle 1");
    EXPECT_EQ(ui.last(), "setting saved !");
    EXPECT_EQ(ui.icons.back(), SettingsIcon::Information);
    const std::string first = record("Halle 1", with(kFactory, 86, "Halle eins"));
    EXPECT_EQ(read(storePath()), kHeader + first);

    pagesWithText("zwei");
    form.setRadioIndex(1, {OneFilterRadio}, 3);
    store().SaveSet("Halle 2");
    pagesWithText("drei");
    form.setMaskText(1, RegenerationFromEdit, "2215");
    store().SaveSet("Halle 3");
    const std::string second = record("Halle 2", with(with(kFactory, 86, "zwei"), 1, "3"));
    const std::string third = record("Halle 3", with(with(kFactory, 86, "drei"), 8, "2215"));
    EXPECT_EQ(read(storePath()), kHeader + first + second + third);
    EXPECT_EQ(ui.names,
              (std::vector<std::string>{"factory setting", "Halle 1", "Halle 2", "Halle 3"}));

    store().DeleteSet("Halle 2");
    EXPECT_EQ(ui.messages.at(ui.messages.size() - 2),
              "Are you shure to delete the setting Halle 2 ?");
    EXPECT_EQ(ui.last(), "setting deleted !");
    EXPECT_EQ(read(storePath()), kHeader + first + third);
    EXPECT_EQ(ui.names, (std::vector<std::string>{"factory setting", "Halle 1", "Halle 3"}));

    // The pages still hold "Halle 3": the export is its 87 values, no name.
    ui.exportName = folder.path() + "/Halle 3.stg";
    store().Export();
    EXPECT_EQ(ui.last(), "setting exported !");
    const std::string exported = read(ui.exportName);
    EXPECT_EQ(exported, kHeader + crlf(with(with(kFactory, 86, "drei"), 8, "2215")));
    EXPECT_EQ(std::count(exported.begin(), exported.end(), '\n'), 88);

    // Applying a stored set puts its lines back.
    store().ApplySet("Halle 1");
    EXPECT_EQ(form.textOf(4, AdditionalTextEdit), "Halle eins");
    EXPECT_EQ(form.mask(1, RegenerationFromEdit), "1800");
}

TEST_F(SettingsStoreTest, NineSetsAtMostAndEveryLineCountsAsAName) {
    store().LoadNames();
    pagesWithText("");
    for (int set = 1; set <= 9; ++set) store().SaveSet("Set " + std::to_string(set));
    const std::string nine = read(storePath());
    EXPECT_EQ(std::count(nine.begin(), nine.end(), '\n'), 1 + 9 * 88);

    english = false;
    store_.reset();
    store().SaveSet("Set 10");
    EXPECT_EQ(ui.last(), "Max. 9 Einstellungen !");
    EXPECT_EQ(read(storePath()), nine);

    // With room left, a name equal to a value line is taken as existing.
    std::filesystem::remove(storePath());
    write(storePath(), kHeader + record("Werk", kFactory));
    for (const char* taken : {"0", "0100", "1800", "Werk"}) {
        ui.messages.clear();
        store().SaveSet(taken);
        EXPECT_EQ(ui.last(), "Einstellung existiert bereits !") << taken;
    }
    EXPECT_EQ(read(storePath()), kHeader + record("Werk", kFactory));
}

TEST_F(SettingsStoreTest, RefusedNamesLeaveTheStoreAlone) {
    store().LoadNames();
    const std::string before = read(storePath());
    const std::string badName =
        "A setting name must be 1 to 30 characters long, must not begin with a blank and must "
        "not contain control characters or \"|\" !";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "no setting inscribed"},
        {"factory setting", "cannot save factory setting"},
        {std::string(31, 'x'), badName},
        {"Halle|2", badName},
        {"Halle\n2", badName},
        {" Halle", badName},
        {"Halle \u03A9",
         "The name contains the character \"\u03A9\" (U+03A9), which AquendorKSV2.set cannot "
         "hold !"},
        {"\U0001F600",
         "The name contains the character \"\U0001F600\" (U+1F600), which AquendorKSV2.set "
         "cannot hold !"},
    };
    for (const auto& [name, message] : cases) {
        store().SaveSet(name);
        EXPECT_EQ(ui.last(), message) << name;
    }
    store().SaveSet(std::string(30, 'x'));
    EXPECT_EQ(ui.last(), "setting saved !");
    EXPECT_EQ(read(storePath()).substr(before.size(), 32), std::string(30, 'x') + "\r\n");

    store().DeleteSet("");
    EXPECT_EQ(ui.last(), "no setting selected to delete");
    store().DeleteSet("factory setting");
    EXPECT_EQ(ui.last(), "cannot delete factory setting");
}

TEST_F(SettingsStoreTest, ValuesStayOneLineCutToTheirWidth) {
    store().LoadNames();
    pagesWithText(std::string("Alarm\nHalle\r") + '\0' + "Ost" + std::string(20, '!'));
    form.setText(4, SmsNumberCombo, "0171\n555");
    form.setText(4, PrefixEdit, "012345");
    form.setMaskText(1, RawHardnessEdit, "01234");
    store().SaveSet("Halle");
    const std::string bytes = read(storePath());
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1 + 88);
    std::vector<std::string> expected = kFactory;
    expected[85] = "Alarm Halle  Ost!!!!!!!!!!!!!!";
    expected[84] = "0171 555";
    expected[83] = "0123";
    expected[2] = "0123";
    EXPECT_EQ(bytes, kHeader + record("Halle", expected));
}

TEST_F(SettingsStoreTest, WindowsAndLinuxLineEndsApplyCompletely) {
    std::vector<std::string> values = with(kFactory, 86, "Text bis zum Ende");
    values = with(values, 85, "01715550123");
    values = with(values, 87, "1");
    const std::string windows = kHeader + record("Werk", values);
    std::string linux = windows;
    std::erase(linux, '\r');
    for (const std::string& bytes : {windows, linux}) {
        write(storePath(), bytes);
        form = FakeForm{};
        store().ApplySet("Werk");
        EXPECT_EQ(form.textOf(4, AdditionalTextEdit), "Text bis zum Ende");
        EXPECT_EQ(form.textOf(4, SmsNumberCombo), "01715550123");
        EXPECT_EQ(form.mask(1, RawHardnessEdit), "0100");
        EXPECT_EQ(form.radio(1, OneFilterRadio), 1);
        EXPECT_TRUE(form.check(1, IntervalActiveCheck));
        EXPECT_TRUE(form.isEnabled(1, IntervalDaysEdit));
        EXPECT_TRUE(ui.fatalText.empty());
    }
}

TEST_F(SettingsStoreTest, LinesThatNameNoControlStateChangeNothing) {
    std::vector<std::string> values = kFactory;
    values[0] = "7";   // plant type: four buttons
    values[1] = "-1";  // valve type: none selected when saved
    values[5] = "2";   // a check box takes 0 or 1
    values[86] = "x";  // the interval flag takes 0 or 1
    write(storePath(), kHeader + record("Odd", values));
    form.setChecked(1, CalcCapacityCheck, true);
    form.setChecked(1, IntervalActiveCheck, true);
    store().ApplySet("Odd");
    EXPECT_EQ(form.radio(1, OneFilterRadio), -1);
    EXPECT_EQ(form.radio(1, ValveChangeOverRadio), -1);
    EXPECT_TRUE(form.check(1, CalcCapacityCheck));
    EXPECT_TRUE(form.check(1, IntervalActiveCheck));
}

TEST_F(SettingsStoreTest, DeleteFindsOnlyNamesNotValueLines) {
    const std::string bytes = kHeader + record("Werk", kFactory) + record("Halle", kFactory);
    write(storePath(), bytes);
    store().DeleteSet("0100");  // a value line of "Werk"
    EXPECT_EQ(ui.last(), "Einstellung nicht gefunden !");
    EXPECT_EQ(read(storePath()), bytes);

    ui.answer = false;
    store().DeleteSet("Halle");
    EXPECT_EQ(ui.linkStateShown, 1);
    EXPECT_EQ(read(storePath()), bytes);

    // A record cut short is applied not at all.
    write(storePath(), kHeader + record("Werk", kFactory) + "Halle\r\n1\r\n");
    form = FakeForm{};
    store().ApplySet("Halle");
    EXPECT_EQ(ui.last(),
              "The setting Halle in AquendorKSV2.set is incomplete !\nNothing was applied.");
    EXPECT_TRUE(form.radios.empty());
}

TEST_F(SettingsStoreTest, ImportTakesExactlyOneSet) {
    store().ApplySet("factory setting");
    const FakeForm factory = form;
    const std::string path = folder.path() + "/in.stg";
    ui.importName = path;
    const std::vector<std::string> imported = with(kFactory, 86, "importiert");
    const std::vector<std::pair<std::string, std::size_t>> refused = {
        {kHeader + crlf(std::vector<std::string>(imported.begin(), imported.end() - 1)), 86},
        {kHeader + crlf(std::vector<std::string>(61, "0")), 61},
        {kHeader + crlf(imported) + "0\r\n", 88},
        // Cut short and padded with empty lines to the full count.
        {kHeader + crlf(std::vector<std::string>(imported.begin(), imported.begin() + 50)) +
             crlf(std::vector<std::string>(37, "")),
         50},
    };
    for (const auto& [bytes, found] : refused) {
        write(path, bytes);
        store().Import();
        EXPECT_EQ(ui.last(), "The file " + path +
                                 " holds no complete setting of this program (87 values "
                                 "expected, " +
                                 std::to_string(found) + " found) !\nNothing was imported.");
        EXPECT_EQ(form.texts, factory.texts);
        EXPECT_EQ(form.masks, factory.masks);
    }
    // Empty lines an editor left behind the set do no harm; LF only is fine.
    std::string linux = kHeader + crlf(imported) + "\r\n\r\n";
    std::erase(linux, '\r');
    write(path, linux);
    store().Import();
    EXPECT_EQ(ui.last(), "setting imported !");
    EXPECT_EQ(form.textOf(4, AdditionalTextEdit), "importiert");
}

// Names outside the code page would be saved with "?" in their place, and
// two such names would become one.
TEST_F(SettingsStoreTest, ANameOutsideTheCodePageIsNeitherSavedNorTakenForAnother) {
    write(storePath(), kHeader + record("Halle ?", kFactory));
    store().SaveSet("Halle \u03A9");
    EXPECT_NE(ui.last().find("(U+03A9)"), std::string::npos);
    store().DeleteSet("Halle \u03A9");
    EXPECT_EQ(ui.last(), "Einstellung nicht gefunden !");
    EXPECT_EQ(read(storePath()), kHeader + record("Halle ?", kFactory));

    pagesWithText("");
    store().SaveSet("Br\u00FCcke \u20AC");  // both in the code page
    EXPECT_EQ(ui.last(), "setting saved !");
    EXPECT_EQ(read(storePath()), kHeader + record("Halle ?", kFactory) +
                                     record("Br\xFC"
                                            "cke \x80",
                                            kFactory));
}

// "Eins" whole and "Zwei" cut off: appended behind it, later sets would be
// lost at the next start and a value line would be listed as a name.
TEST_F(SettingsStoreTest, ADamagedStoreIsKeptInACopyAndCutBackToItsWholeRecords) {
    const std::string eins = record("Eins", kFactory);
    const std::string damaged = kHeader + eins + record("Zwei", kFactory).substr(0, 300);
    write(storePath(), damaged);
    store().LoadNames();
    EXPECT_EQ(ui.names, (std::vector<std::string>{"Eins", "factory setting"}));
    EXPECT_EQ(ui.last(), "The file " + storePath() +
                             " is damaged: setting no. 2 \"Zwei\" is incomplete.\nA copy of the "
                             "file was kept beside it as AquendorKSV2.set.damaged.\nThe program "
                             "uses the complete settings only.");
    EXPECT_EQ(ui.icons.back(), SettingsIcon::Exclamation);
    EXPECT_EQ(read(storePath() + ".damaged"), damaged);
    EXPECT_EQ(read(storePath()), kHeader + eins);

    pagesWithText("drei");
    store().SaveSet("Drei");
    pagesWithText("vier");
    store().SaveSet("Vier");
    EXPECT_EQ(ui.last(), "setting saved !");
    ui = RecordingSettingsUi{};
    store_.reset();
    store().LoadNames();
    EXPECT_EQ(ui.names, (std::vector<std::string>{"Eins", "Drei", "Vier", "factory setting"}));
    EXPECT_TRUE(ui.messages.empty());
    store().DeleteSet("Drei");
    const std::string vier = record("Vier", with(kFactory, 86, "vier"));
    EXPECT_EQ(read(storePath()), kHeader + eins + vier);
    store().ApplySet("Vier");
    EXPECT_EQ(form.textOf(4, AdditionalTextEdit), "vier");
}

TEST_F(SettingsStoreTest, EachDamageIsNamedAndEachCopyKeptUnderANameOfItsOwn) {
    const std::string eins = record("Eins", kFactory);
    struct Case {
        std::string bytes, damage, copy;
    };
    const std::vector<Case> cases = {
        {kHeader + eins + record("Zwei", kFactory).substr(0, 40),
         "setting no. 2 \"Zwei\" is incomplete", "AquendorKSV2.set.damaged"},
        {kHeader + eins + "\r\n", "setting no. 2 is incomplete and has no name",
         "AquendorKSV2.set.damaged-2"},
        // A megabyte of line ends is read only as far as a store can reach.
        {kHeader + eins + std::string(1 << 20, '\n'), "it is larger than such a file can be",
         "AquendorKSV2.set.damaged-3"},
    };
    for (const Case& damaged : cases) {
        write(storePath(), damaged.bytes);
        ui = RecordingSettingsUi{};
        store_.reset();
        store().LoadNames();
        EXPECT_EQ(ui.last(), "The file " + storePath() + " is damaged: " + damaged.damage +
                                 ".\nA copy of the file was kept beside it as " + damaged.copy +
                                 ".\nThe program uses the complete settings only.");
        EXPECT_EQ(read(folder.path() + "/" + damaged.copy), damaged.bytes);
        EXPECT_EQ(read(storePath()), kHeader + eins);
        EXPECT_EQ(ui.names, (std::vector<std::string>{"Eins", "factory setting"}));
    }
}

// The store broke while the program ran: a save mends it first, or, when no
// copy can be kept, saves nothing.
TEST_F(SettingsStoreTest, ASaveOntoABrokenRecordMendsTheStoreFirstOrSavesNothing) {
    store().LoadNames();
    const std::string eins = record("Eins", kFactory);
    const std::string broken = kHeader + eins + "Zwei\r\n1\r\n";
    write(storePath(), broken);
    pagesWithText("");
    {
        FileSizeLimit full(100);
        store().SaveSet("Drei");
    }
    EXPECT_EQ(ui.last(), "The file " + storePath() +
                             " is damaged: setting no. 2 \"Zwei\" is incomplete.\nNo copy of it "
                             "could be made (is the disk full ?), so it is left as it is, and no "
                             "setting can be saved or deleted.");
    EXPECT_EQ(read(storePath()), broken);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);

    store().SaveSet("Drei");
    EXPECT_EQ(ui.last(), "setting saved !");
    EXPECT_EQ(read(storePath()), kHeader + eins + record("Drei", kFactory));
    EXPECT_EQ(read(storePath() + ".damaged"), broken);
}

// Nothing beyond the largest setting file is read: a huge file is refused
// at once instead of filling the memory.
TEST_F(SettingsStoreTest, ImportRefusesAFileLargerThanASettingFileCanBe) {
    const std::string path = folder.path() + "/huge.stg";
    write(path, kHeader + crlf(kFactory));
    std::filesystem::resize_file(path, std::uintmax_t{1} << 26);  // sparse: no disk used
    ui.importName = path;
    store().Import();
    EXPECT_EQ(ui.last(), "The file " + path +
                             " is larger than a setting file of this program can be !\nNothing "
                             "was imported.");
    EXPECT_TRUE(form.texts.empty());
}

// A full disk: the store stays as it was, the operator is told, and the
// program goes on with the pages as they are.
TEST_F(SettingsStoreTest, AFailedSaveOrDeleteLeavesTheStoreAndTheProgramGoesOn) {
    store().LoadNames();
    pagesWithText("bleibt");
    store().SaveSet("Erste");
    const std::string before = read(storePath());
    const std::size_t shown = ui.messages.size();
    {
        FileSizeLimit full(before.size() + 10);
        store().SaveSet("Zweite");
    }
    EXPECT_EQ(ui.last(),
              "cannot write AquendorKSV2.set !\nThe setting Zweite was not saved; the file is "
              "unchanged.");
    EXPECT_EQ(ui.icons.back(), SettingsIcon::Exclamation);
    {
        FileSizeLimit full(10);
        store().DeleteSet("Erste");
    }
    EXPECT_EQ(ui.last(),
              "cannot write AquendorKSV2.set !\nThe setting Erste was not deleted; the file is "
              "unchanged.");
    EXPECT_EQ(ui.messages.size(), shown + 3);  // the question, no "saved" or "deleted"
    EXPECT_TRUE(ui.fatalText.empty());
    EXPECT_EQ(read(storePath()), before);
    EXPECT_EQ(ui.names, (std::vector<std::string>{"factory setting", "Erste"}));
    EXPECT_EQ(form.textOf(4, AdditionalTextEdit), "bleibt");
}

TEST_F(SettingsStoreTest, AFailedExportKeepsTheOldFileAndSaysSo) {
    ui.exportName = folder.path() + "/SettingFile.stg";
    write(ui.exportName, "old");
    store().ApplySet("factory setting");
    {
        FileSizeLimit full(100);
        store().Export();
    }
    EXPECT_EQ(ui.last(), "cannot create " + ui.exportName + " !\nThe existing file is unchanged.");
    EXPECT_EQ(read(ui.exportName), "old");
    EXPECT_TRUE(ui.fatalText.empty());
}

TEST_F(SettingsStoreTest, FatalEnds) {
    // A store that can be neither opened nor created.
    std::filesystem::create_directory(storePath());
    store().LoadNames();
    EXPECT_EQ(ui.fatalText, "cannot open AquendorKSV2.set !\nexit program");
    EXPECT_TRUE(ui.names.empty());
    english = false;
    store_.reset();
    store().LoadNames();
    EXPECT_EQ(ui.fatalText, "Kann AquendorKSV2.set nicht \u00F6ffnen !\nProgram wird beendet");
    std::filesystem::remove(storePath());

    // A selected name the store lacks.
    write(storePath(), kHeader + record("Werk", kFactory));
    store().ApplySet("Halle");
    EXPECT_EQ(ui.fatalText,
              "file AquendorKSV2.set corrupt!\nplease delete AquendorKSV2.set and start "
              "again\nexit program");

    // Delete: too large a store, too long a line.
    ui.fatalText.clear();
    write(storePath(), kHeader + std::string(30001, 'x'));
    store().DeleteSet("Werk");
    EXPECT_EQ(ui.fatalText, "AquendorKSV2.set corrupt\nexit program");
    EXPECT_EQ(ui.fatalIcon, SettingsIcon::Exclamation);
    ui.fatalText.clear();
    write(storePath(), kHeader + std::string(256, 'x') + "\r\n" + record("Werk", kFactory));
    store().DeleteSet("Werk");
    EXPECT_NE(ui.fatalText.find("corrupt!"), std::string::npos);

    // An import file that cannot be opened.
    ui.importName = folder.path() + "/missing.stg";
    store().Import();
    EXPECT_EQ(ui.fatalText, "cannot open " + ui.importName + " !\nexit program");
}
