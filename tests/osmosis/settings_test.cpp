// The named settings of the reverse-osmosis window: the store and setting
// files byte for byte (61 values, 62 lines a set, the ninth name on line
// 497), the factory setting on the pages, Dutch saved as 4, and the backup
// of the unit's record before a write.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <algorithm>
#include <filesystem>

#include "controller/memory_form.h"
#include "controller/setting_file.h"
#include "file_bytes.h"
#include "osmosis/osmosis_settings.h"
#include "pln2_fixture.h"
#include "resources/ids/pln2_ids.h"
#include "widgets/settings_controls.h"
#include "widgets/sp_mask_edit.h"

using namespace pln2::ids;
using testsupport::fileBytes;
using testsupport::osmosisUnit;
using testsupport::Pln2Window;

namespace {

const char* const kHeader = "//never edit this file !//\r\n";

// The factory setting's 61 lines, as a setting file holds them.
std::string factoryLines() {
    std::string lines;
    for (const auto& value : osmosis::osmosisSettingsProfile().values)
        lines += value.factory + "\r\n";
    return lines;
}

}  // namespace

class Pln2Settings : public Pln2Window {
  protected:
    std::string store() const { return workFolder.path() + "/aquendorPLN2.set"; }
    QComboBox* names() const { return shell::controlAs<QComboBox>(window.get(), SettingsCombo); }
    void select(const QString& name) {
        const int index = names()->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        emit names()->activated(index);
    }
    void save(const QString& name) {
        names()->setEditText(name);
        click(SaveSettingButton);
    }
    std::string exported(const std::string& name) {
        const std::string path = workFolder.path() + "/" + name + ".stg";
        messages.fileNames.push_back(QString::fromStdString(path));
        click(ExportButton);
        return fileBytes(path);
    }
    SPMaskEdit* mask(int page, int id) { return pageControlAs<SPMaskEdit>(page, id); }
    QAbstractButton* choice(int page, int id) { return pageControlAs<QAbstractButton>(page, id); }
};

// Any number that names no pump mode selects "serial"; so does a line that
// is no number at all (a stray CR before the digit), so that what is
// exported imports again to the same pages.
TEST(Pln2SettingLines, APumpModeLineThatIsNoNumberSelectsSerialLikeAnyOtherNumber) {
    const auto profile = osmosis::osmosisSettingsProfile();
    const controller::SettingValue& pumpMode = profile.values[6];
    ASSERT_EQ(pumpMode.control, OnlyPump1Radio);
    controller::MemoryForm pages(profile.values, profile.placeholder);
    for (const char* line : {"\r0", "", "x", "7", "-1"}) {
        controller::applyValueLine(pumpMode, "0", pages);
        controller::applyValueLine(pumpMode, line, pages);
        EXPECT_EQ(controller::valueLine(pumpMode, pages), "1") << line;
    }
    controller::applyValueLine(pumpMode, "0", pages);
    EXPECT_EQ(controller::valueLine(pumpMode, pages), "0");  // "alternate"
}

// Metering is written as its button's index + 1, so neither button is 0,
// and 0 (or any number that names no button) selects neither again.
TEST(Pln2SettingLines, MeteringIsTheButtonIndexPlusOneAndNeitherIsZero) {
    const auto profile = osmosis::osmosisSettingsProfile();
    const controller::SettingValue& metering = profile.values[40];
    ASSERT_EQ(metering.control, MeteringMeter1Radio);
    controller::MemoryForm pages(profile.values, profile.placeholder);
    const std::vector<std::pair<const char*, int>> lines = {{"1", 0},  {"2", 1},   {"0", -1},
                                                            {"3", -1}, {"-1", -1}, {"x", -1}};
    for (const auto& [line, index] : lines) {
        controller::applyValueLine(metering, "1", pages);
        controller::applyValueLine(metering, line, pages);
        EXPECT_EQ(pages.radioIndex(2, metering.buttons), index) << line;
        EXPECT_EQ(controller::valueLine(metering, pages), std::to_string(index + 1)) << line;
    }
}

// A set without SMS texts ends in three empty lines. Empty lines in place
// of numbers or digits are no values: a file cut short and padded to the
// full count would put empty digits on the pages and send zeros.
TEST(Pln2SettingLines, EmptyTextsAtTheEndCountButEmptyLinesForDigitsDoNot) {
    const auto profile = osmosis::osmosisSettingsProfile();
    const controller::SettingFile file(profile.values);
    std::vector<std::string> factory;
    for (const auto& value : profile.values) factory.push_back(value.factory + "\r\n");
    const auto first = [&](std::size_t count) {
        std::string bytes = kHeader;
        for (std::size_t i = 0; i < count; ++i) bytes += factory[i];
        return bytes;
    };
    const std::vector<std::pair<std::string, std::size_t>> cases = {
        {first(61), 61},
        {first(61) + "\r\n\r\n", 61},             // an editor's empty lines behind
        {first(58), 58},                          // the texts' lines are missing
        {first(40) + std::string(21, '\n'), 40},  // cut short, padded to 61 lines
    };
    for (const auto& [bytes, values] : cases) {
        std::size_t found = 0;
        const bool taken = file.valuesOf(bytes, &found).has_value();
        EXPECT_EQ(found, values);
        EXPECT_EQ(taken, values == 61) << values;
    }
}

TEST_F(Pln2Settings, FactorySettingShowsItsValuesAndExportsItsLinesExactly) {
    EXPECT_EQ(fileBytes(store()), kHeader);  // a new store holds the header alone
    select("Werkseinstellung");
    EXPECT_EQ(mask(2, CellConstantEdit)->text(), "0,10");
    EXPECT_EQ(mask(2, MaxLimitEdit)->text(), "0100,0");
    EXPECT_EQ(mask(2, MinLimitEdit)->text(), "0001,0");
    EXPECT_EQ(mask(2, CompensationFactorEdit)->text(), "2,00");
    EXPECT_EQ(mask(2, WaterMeter1Edit)->text(), "001,000");
    EXPECT_EQ(mask(2, ImpulseEdit)->text(), "00,5");
    EXPECT_EQ(mask(1, IntervalEdit)->text(), "090");
    EXPECT_TRUE(choice(1, OnlyPump1Radio)->isChecked());       // only pump 1
    EXPECT_TRUE(choice(1, TankOverflowRadio)->isChecked());    // "PROG": tank overflow
    EXPECT_TRUE(choice(2, MeteringMeter1Radio)->isChecked());  // metering through water meter 1
    EXPECT_FALSE(choice(1, WithPump1Check)->isChecked());
    for (const int box :
         {WithPump2Check, WithOutletValveCheck, WithInletValveCheck, RelayConductivityCheck})
        EXPECT_TRUE(choice(1, box)->isChecked()) << box;
    EXPECT_EQ(exported("Werk"), kHeader + factoryLines());
}

TEST_F(Pln2Settings, NineSetsFillTheStoreAndDutchIsSavedAsFour) {
    select("Werkseinstellung");
    choice(2, DutchRadio)->click();  // "holländisch"
    for (int i = 1; i <= 9; ++i) save(QString("Anlage %1").arg(i));
    save("Anlage 10");
    EXPECT_EQ(messages.lastText(), "Max. 9 Einstellungen !");

    std::string lines = factoryLines();
    const std::size_t language = lines.find("\r\n0\r\n", lines.find("\r\n005\r\n") + 5);
    lines.replace(language, 5, "\r\n4\r\n");  // line 44 after the impulse length
    std::string expected = kHeader;
    for (int i = 1; i <= 9; ++i) expected += "Anlage " + std::to_string(i) + "\r\n" + lines;
    const std::string bytes = fileBytes(store());
    EXPECT_EQ(bytes, expected);
    // Counted after the header, the ninth name stands on line 497.
    const std::size_t ninth = bytes.find("Anlage 9\r\n");
    EXPECT_EQ(std::count(bytes.begin() + 28, bytes.begin() + static_cast<long>(ninth), '\n'), 496);

    choice(2, GermanRadio)->click();
    select("Anlage 4");
    EXPECT_TRUE(choice(2, DutchRadio)->isChecked());
}

// Its readers take names of up to 38 characters.
TEST_F(Pln2Settings, NamesUpToThirtyEightCharacters) {
    select("Werkseinstellung");
    for (const int length : {35, 38}) {
        save(QString(length, 'a'));
        EXPECT_EQ(messages.lastText(), "Einstellung gespeichert !") << length;
    }
    save(QString(39, 'b'));
    EXPECT_TRUE(messages.lastText().startsWith("Der Name einer Einstellung muss 1 bis 38 Zeichen"))
        << messages.lastText().toStdString();
    const std::string bytes = fileBytes(store());
    EXPECT_NE(bytes.find("\r\n" + std::string(38, 'a') + "\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find(std::string(39, 'b')), std::string::npos);
}

TEST_F(Pln2Settings, FactorySettingClearsTheSmsFieldsOfAUnitWithoutAlarmSms) {
    restart(osmosisUnit(false));
    readUnit();
    pageControlAs<QLineEdit>(3, AdditionalTextEdit)->setText("left over");
    pageControlAs<QCheckBox>(3, PowerFailureCheck)->setChecked(true);
    select("Werkseinstellung");
    EXPECT_TRUE(pageControlAs<QLineEdit>(3, AdditionalTextEdit)->text().isEmpty());
    EXPECT_FALSE(pageControlAs<QCheckBox>(3, PowerFailureCheck)->isChecked());
    EXPECT_FALSE(pageControl(3, AdditionalTextEdit)->isEnabled());
}

TEST_F(Pln2Settings, AWriteBacksUpWhatTheUnitHeldAsTheUnitSentIt) {
    readUnit();
    const std::string asRead = exported("gelesen");
    choice(1, SerialRadio)->click();  // pumps in series, not yet sent
    messages.clear();
    click(ids().write);
    ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    const std::string folder = workFolder.path() + "/backup 123456";
    std::vector<std::string> backups;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        backups.push_back(entry.path().string());
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(fileBytes(backups[0]), asRead);
}
