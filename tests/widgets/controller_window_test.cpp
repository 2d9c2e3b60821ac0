// The one controller window on both programs' profiles: every control a
// profile names is in the program's template, and the units' differences
// that a profile carries as data show on the line and in the record.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <string>
#include <vector>

#include "ksv2_fixture.h"
#include "osmosis/pln2_fixture.h"
#include "shell/controls.h"

namespace {

struct Softener {
    using Window = CAquendorKSV2Dlg;
    static constexpr const char* kProgram = "AquendorKSV2";
    static unitsim::Config unit() {
        unitsim::Config config;
        config.longForm = false;
        return config;
    }
    // A confirmed write reads the unit again.
    static std::vector<std::string> afterWrite() { return {"CSN", "DPS", "CSN", "DSI", "DPI"}; }
    // A read from the window cuts the second DPI answer after seven
    // characters, the read after a command after four: that read keeps three
    // characters of the answer's end behind the record.
    static constexpr std::size_t kKeptFromTheWindow = 0;
    static constexpr std::size_t kKeptAfterCommand = 3;
};

struct Osmosis {
    using Window = CAquendorPLN2Dlg;
    static constexpr const char* kProgram = "AquendorPLN2";
    static unitsim::Config unit() { return testsupport::osmosisUnit(false); }
    static std::vector<std::string> afterWrite() { return {"CSN", "DPS"}; }
    // Both reads cut after four characters.
    static constexpr std::size_t kKeptFromTheWindow = 3;
    static constexpr std::size_t kKeptAfterCommand = 3;
};

template <typename Program>
class ControllerProfile : public testsupport::ControllerWindowTest<typename Program::Window> {
  protected:
    void SetUp() override { this->start(Program::unit(), Program::kProgram); }

    void restartWithTwoPartRecord() {
        unitsim::Config config = Program::unit();
        config.twoPartDpi = true;
        this->window.reset();
        this->sim.reset();
        this->start(config, Program::kProgram);
    }
    // Reads the unit from the window; the record's text as the window keeps it.
    std::string readWith(int button) {
        this->click(button);
        EXPECT_TRUE(this->messages.shown.empty()) << this->messages.lastText().toStdString();
        return this->window->parameterRecord().text();
    }
    std::vector<std::string> wordsReceived() const {
        std::vector<std::string> words;
        for (const auto& telegram : this->sim->received())
            words.push_back(telegram.bytes.substr(0, 3));
        return words;
    }
    template <typename Kind>
    void expectControl(int id) const {
        EXPECT_NE(shell::controlAs<Kind>(this->window.get(), id), nullptr) << id;
    }
};

using Programs = ::testing::Types<Softener, Osmosis>;
TYPED_TEST_SUITE(ControllerProfile, Programs);

// A number that named no control would leave its button silently unwired.
TYPED_TEST(ControllerProfile, EveryControlItNamesIsInTheTemplateOfItsKind) {
    const shell::MainWindowControls& c = this->ids();
    for (int id : {c.comDigit, c.status, c.dialNumber, c.serialNumber})
        this->template expectControl<QLineEdit>(id);
    for (int id : {c.modemRadio, c.nullModemRadio, c.baud9600, c.baud19200})
        this->template expectControl<QRadioButton>(id);
    for (const std::vector<int>& set :
         {std::vector<int>{c.connect, c.disconnect, c.saveLocation, c.deleteLocation, c.exit,
                           c.read, c.write},
          c.commandButtons, c.historyButtons, c.fullAccessButtons, c.pageSelectors})
        for (int id : set) this->template expectControl<QAbstractButton>(id);
    this->template expectControl<QCheckBox>(c.intervalCheck);
    this->template expectControl<QComboBox>(c.location);
    EXPECT_NE(shell::control(this->window.get(), c.placeholder), nullptr);

    const widgets::SettingsControlIds& settings = this->window->profile().settingsIds;
    this->template expectControl<QComboBox>(settings.names);
    for (int id : {settings.save, settings.remove, settings.exportButton, settings.importButton})
        this->template expectControl<QAbstractButton>(id);
    EXPECT_EQ(this->window->settings().namesBox(),
              shell::controlAs<QComboBox>(this->window.get(), settings.names));

    // The dial-in numbers are on the alarm-SMS page, not in the main window.
    const widgets::PageControl sms = this->window->profile().smsNumbers;
    ASSERT_NE(this->window->smsNumberCombo(), nullptr);
    EXPECT_EQ(this->window->smsNumberCombo(),
              shell::controlAs<QComboBox>(this->window->pageHost().page(sms.page), sms.control));
}

TYPED_TEST(ControllerProfile, AWriteReadsTheUnitAgainWhereTheProfileSaysSo) {
    this->readyNullModem();
    this->readWith(this->ids().read);
    this->sim->clearReceived();
    this->click(this->ids().write);
    EXPECT_TRUE(this->messages.shown.empty()) << this->messages.lastText().toStdString();
    EXPECT_EQ(this->wordsReceived(), TypeParam::afterWrite());
    EXPECT_EQ(this->edit(this->ids().status)->text(), "OFFLINE");
}

TYPED_TEST(ControllerProfile, TheSecondDpiAnswerIsCutAsTheEntryPointWants) {
    this->restartWithTwoPartRecord();
    this->readyNullModem();
    const std::string fromTheWindow = this->readWith(this->ids().read);
    // "Fehler quittieren" reads the unit again after its command.
    const std::string afterCommand = this->readWith(this->ids().commandButtons.front());
    const std::string record = this->sim->parameterRecord();
    EXPECT_EQ(fromTheWindow.size(), record.size() + TypeParam::kKeptFromTheWindow);
    EXPECT_EQ(afterCommand.size(), record.size() + TypeParam::kKeptAfterCommand);
    EXPECT_EQ(afterCommand.substr(0, record.size()), record);
    EXPECT_EQ(this->window->parameterRecord().writeBody(), record);
}

}  // namespace
