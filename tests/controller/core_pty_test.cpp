// The controller core alone, as a program without a window runs it: no
// QApplication, no widget, only the device link on a pseudo-terminal to a
// simulated softener unit and a recording OperationUi. A full read-all, an
// unchanged write with its backup, and a status-history read into a list.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "controller/history_reader.h"
#include "controller/memory_form.h"
#include "controller/record_exchange.h"
#include "devlink/login.h"
#include "devlink/serial_port.h"
#include "files/file_write.h"
#include "history_support.h"
#include "recording_operation_ui.h"
#include "softener/parameter_record.h"
#include "softener/softener_backup.h"
#include "softener/softener_history_codes.h"
#include "softener/softener_settings.h"
#include "softener/status_record.h"
#include "telegrams.h"
#include "temp_folder.h"

using testsupport::framed;
using testsupport::kLogin;
using testsupport::kReadAll;

namespace {

// The parameter record as the pages would hold it right after decoding.
controller::MemoryForm decoded(const softener::ParameterRecord& record) {
    static const controller::SettingsProfile profile = softener::softenerSettingsProfile();
    controller::MemoryForm form(profile.values, profile.placeholder);
    softener::decodeParameters(record, form);
    return form;
}

}  // namespace

class ControllerCore : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(chdir(workFolder.path().c_str()), 0);
        setenv("AQUENDOR_PORTS", ports.path().c_str(), 1);
        setenv("AQUENDOR_LOCK_DIR", ports.path().c_str(), 1);
        ASSERT_TRUE(sim.open());
        ASSERT_TRUE(sim.bindComName(ports.path(), "COM5"));
        sim.start();
        port.setPortName("COM5");
        ASSERT_TRUE(port.openPort()) << ui.lastMessage();
        ui.folder = workFolder.path();
    }

    bool readAll() {
        return controller::fetchStatusAndRecord(context, [this] { ++blinkStops; },
                                                {softener::kStatusLength, status, record, 7});
    }
    std::vector<std::string> telegrams() const { return testsupport::telegramsOf(sim); }

    testsupport::TempFolder ports;
    testsupport::TempFolder workFolder;
    // The plant stands still: the status area read is the one it keeps.
    static unitsim::Config stillPlant() {
        unitsim::Config config;
        config.timeScale = 0;
        return config;
    }

    unitsim::Simulator sim{stillPlant()};
    testsupport::RecordingOperationUi ui;
    devlink::SerialPort port{ui};
    devlink::DeviceLink link{port, ui};
    controller::OperationContext context{link, ui};
    std::string status;
    softener::ParameterRecord record;
    int blinkStops = 0;
};

TEST_F(ControllerCore, ReadAllUnchangedWriteAndStatusHistoryWithoutAWindow) {
    // Read-all: login, status area, parameter record.
    ASSERT_TRUE(readAll()) << ui.lastMessage() << ui.lastSaid();
    EXPECT_EQ(telegrams(), kReadAll);
    EXPECT_EQ(blinkStops, 1);
    EXPECT_EQ(status, sim.statusArea().substr(0, softener::kStatusLength));
    EXPECT_EQ(record.text(), sim.parameterRecord());
    EXPECT_TRUE(record.complete());
    EXPECT_TRUE(record.longForm());
    EXPECT_EQ(ui.answers, (std::vector<devlink::LoginAnswer>{devlink::LoginAnswer::ReadWrite}));

    // An unchanged write: the backup of what the unit holds, the write
    // login, and the record goes back as it came.
    const std::string unitHeld = sim.parameterRecord();
    sim.clearReceived();
    ASSERT_TRUE(softener::backUpBeforeWrite(ui, record));
    ASSERT_NE(devlink::controllerLogin(link, devlink::LoginIntent::Write), 0);
    ASSERT_TRUE(controller::sendRecord(link, record)) << ui.lastMessage();
    EXPECT_EQ(telegrams(),
              (std::vector<std::string>{
                  kLogin, framed("DPS|" + unitHeld.substr(0, softener::kLongRecordLength) + "|")}));
    EXPECT_EQ(sim.parameterRecord(), unitHeld);
    const std::string backups = workFolder.path() + "/backup 123456";
    ASSERT_TRUE(std::filesystem::is_directory(backups));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(backups), {}), 1);

    // The status history into a list in the current folder.
    sim.setHistoryText(unitsim::History::Status,
                       testsupport::logData(1, {{1, 2.5, 5, 3, 9, 14, 7}}, true));
    sim.clearReceived();
    controller::HistoryReader histories(context);
    histories.clock = [] { return testsupport::moment(2009, 3, 5, 14, 7); };
    histories.readStatusHistory(softener::kSoftenerStatusCodes, record.longForm());
    EXPECT_EQ(telegrams(), (std::vector<std::string>{kLogin, framed("DHI|")}));
    const auto list = files::readWholeFile(workFolder.path() +
                                           "/statuslist 123456/statuslist 123456 050309 1407.txt");
    ASSERT_TRUE(list);
    EXPECT_NE(list->find("05.03.09"), std::string::npos) << *list;
    EXPECT_EQ(ui.lastStatus(), "OFFLINE");

    EXPECT_TRUE(ui.said.empty()) << ui.lastSaid();
    EXPECT_TRUE(ui.messages.empty()) << ui.lastMessage();
}

// A write the core refuses brings the offending field to the front through
// whoever runs it; nothing goes to the unit.
TEST_F(ControllerCore, AFieldThatHoldsNoNumberIsShownAndNothingIsSent) {
    ASSERT_TRUE(readAll());
    controller::MemoryForm form = decoded(record);
    const controller::ParameterField* capacity = nullptr;
    for (const controller::ParameterField& field : softener::softenerLayout().fields)
        if (field.kind == controller::FieldKind::Float && !capacity) capacity = &field;
    ASSERT_NE(capacity, nullptr);
    form.setMaskText(capacity->page, capacity->control, "--");
    sim.clearReceived();

    EXPECT_TRUE(controller::refuseUnreadyWrite(ui, record, softener::softenerLayout(), form));
    ASSERT_EQ(ui.said.size(), 1u);
    EXPECT_EQ(ui.said[0].text, "\"" + std::string(capacity->englishName) +
                                   "\": not a valid number. Nothing was written.");
    EXPECT_EQ(ui.shownFields,
              (std::vector<std::pair<int, int>>{{capacity->page, capacity->control}}));
    EXPECT_TRUE(telegrams().empty());
}
