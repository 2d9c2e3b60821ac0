// The programs' windows on a unit reached through ser2net, raw and with RFC
// 2217, exactly as over a cable: reading everything, an unchanged write, a
// status history, a logger readout of 300 records, a modem on the far side,
// the speed picked in the window on the server's port; and the faults: a
// silent unit, a wrong checksum, a device that vanishes behind the server,
// the server dropping the connection and a server not running. After each
// the next read works without the technician touching the COM field.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <arpa/inet.h>
#include <netinet/in.h>

#include <QRadioButton>
#include <QTimer>
#include <filesystem>
#include <future>
#include <thread>

#include "devlink/delay.h"
#include "devlink/fields.h"
#include "devlink/telegram.h"
#include "file_bytes.h"
#include "history_support.h"
#include "measuring/logger_record.h"
#include "resources/ids/ksv2_ids.h"
#include "resources/ids/vantiqo_ids.h"
#include "scripted_server.h"
#include "served_windows.h"
#include "telegrams.h"

using shell::MessageAnswer;
using testsupport::Mode;
using testsupport::ServedKsv2;
using testsupport::ServedVantiqo;

namespace {

const std::string kClosedByServer =
    ": the server closed the connection. Another client is using the port or has taken it over "
    "(ser2net's kickolduser), or the device behind the server went away. Close the other "
    "client; the next action connects again.";

// Every file under folder whose name starts with prefix.
std::vector<std::filesystem::path> filesStartingWith(const std::string& folder,
                                                     const std::string& prefix) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename().string().rfind(prefix, 0) == 0)
            found.push_back(entry.path());
    return found;
}

// A plain client of the server on another computer; with kickolduser it
// pushes the program off.
int connectOtherClient(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

std::string expectedCsv(const std::string& data, std::size_t lines) {
    std::string text;
    for (std::size_t i = 0; i < lines && (i + 1) * 32 <= data.size(); ++i) {
        const measuring::LoggerRecord r = measuring::decodeRecord(data.substr(i * 32, 32));
        char line[256];
        std::snprintf(line, sizeof line,
                      "%5.5u  ,  %010.2f  ,  %3.1f  ,  %02d.%02d.%02d , %02d:%02d\r\n", r.number,
                      r.value, r.temperature, r.day, r.month, r.year, r.hour, r.minute);
        text += line;
    }
    return text;
}

}  // namespace

class ServedSoftener : public ServedKsv2 {
  protected:
    // The next read works and leaves the window at rest.
    void expectTheNextReadWorks() {
        unit.sim->clearFault();
        ASSERT_TRUE(unit.sim->waitUntilIdle());
        messages.clear();
        click(ksv2::ids::ReadButton);
        EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
        EXPECT_EQ(edit(ksv2::ids::StatusEdit)->text(), "OFFLINE");
        EXPECT_TRUE(window->parameterRecord().complete());
    }
    std::string firstMessage() const {
        return messages.shown.empty() ? "" : messages.shown.front().text.toStdString();
    }
};

TEST_P(ServedSoftener, ReadsEverythingWritesUnchangedAndListsTheStatusHistory) {
    startServed(unitsim::Config{}, "AquendorKSV2");
    unit.sim->setHistoryText(
        unitsim::History::Status,
        testsupport::logData(2, {{8, 12345.0, 31, 12, 9, 23, 5}, {512, 0.0, 1, 1, 10, 0, 0}},
                             true));
    unit.sim->setTwoPartHistory(true);
    const std::string before = unit.sim->parameterRecord();
    readyNullModem();

    click(ksv2::ids::ReadButton);
    ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(testsupport::telegramsOf(*unit.sim), testsupport::kReadAll);
    EXPECT_TRUE(window->parameterRecord().complete());
    EXPECT_EQ(statusWords.mid(0, 3), (QStringList{"BUSY", "OFFLINE", "READ"}));
    EXPECT_EQ(edit(ksv2::ids::StatusEdit)->text(), "OFFLINE");

    click(ksv2::ids::WriteButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(unit.sim->parameterRecord(), before);
    EXPECT_EQ(testsupport::lastDps(*unit.sim), devlink::frameRequest("DPS|" + before + "|"));

    click(ksv2::ids::StatusHistoryButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    const auto lists = filesStartingWith(workFolder.path(), "statuslist");
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(testsupport::fileBytes(lists.front().string()),
              "Nr.   Datum      Zeit   Status                         Entnahme\r\n\r\n"
              "  1   31.12.09   23:05  man. Regeneration Filter 1      012.3\r\n"
              "  2   01.01.10   00:00  man. Filterwechsel F1 -> F2     000.0\r\n");
}

// The speed picked in the window is the speed of the server's port with
// RFC 2217; a raw server keeps its own (19200 bit/s here).
TEST_P(ServedSoftener, TheSpeedPickedInTheWindowIsTheServersWithComPortControl) {
    startServed(unitsim::Config{}, "AquendorKSV2 english");
    readyNullModem();
    click(ksv2::ids::Baud9600Radio);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(window->port().modeText(), "baud=9600 parity=N data=8 stop=1");
    click(ksv2::ids::ReadButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(unit.sim->lineBaud(), GetParam() == Mode::Rfc2217 ? 9600 : 19200);
    click(ksv2::ids::Baud19200Radio);
    click(ksv2::ids::ReadButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(unit.sim->lineBaud(), 19200);
}

// Some plants keep a modem on the far side of the server: the program dials
// through the server as through a cable.
TEST_P(ServedSoftener, DialsAModemBehindTheServerReadsAndHangsUp) {
    unitsim::Config config;
    config.modem = true;
    config.dialDelayMs = 100;
    config.guardMs = 300;
    startServed(config, "AquendorKSV2 english");
    edit(ksv2::ids::DialNumberEdit)->setText("07111234");
    typeSerial("123456");
    messages.clear();
    click(ksv2::ids::ConnectButton);
    ASSERT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(unit.sim->dialledNumber(), "07111234");
    EXPECT_EQ(edit(ksv2::ids::StatusEdit)->text(), "ONLINE");
    click(ksv2::ids::ReadButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_TRUE(window->parameterRecord().complete());
    click(ksv2::ids::DisconnectButton);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(edit(ksv2::ids::StatusEdit)->text(), "OFFLINE");
    EXPECT_EQ(unit.sim->modemState(), unitsim::ModemState::Idle);
}

// A silent unit: the full 6 s answer timeout, on the test clock.
TEST_P(ServedSoftener, ASilentUnitEndsInTheTransmissionError) {
    startServed(unitsim::Config{}, "AquendorKSV2 english", false, true);
    readyNullModem();
    unit.sim->setFaultOn("DSI", unitsim::Fault::Silence);
    const std::int64_t start = devlink::monotonicMs();
    click(ksv2::ids::ReadButton);
    EXPECT_GE(devlink::monotonicMs() - start, 6000);
    EXPECT_EQ(firstMessage(), "COM2: transmission error");
    EXPECT_EQ(messages.shown.size(), 1u);
    expectTheNextReadWorks();
}

TEST_P(ServedSoftener, AWrongChecksumIsSaidAsOnACable) {
    startServed(unitsim::Config{}, "AquendorKSV2 english");
    readyNullModem();
    unit.sim->setFaultOn("DSI", unitsim::Fault::WrongChecksum);
    click(ksv2::ids::ReadButton);
    EXPECT_EQ(firstMessage(), "DSI: checksum error, error in transmission (Aquendor\u00AE -> PC)");
    EXPECT_EQ(messages.shown.size(), 1u);
    expectTheNextReadWorks();
}

// The device behind the server goes away mid-answer: the server lets go of
// the connection. Once a device is back, the next read connects again.
TEST_P(ServedSoftener, ADeviceVanishingBehindTheServerEndsTheExchangeAndIsTakenUpAgain) {
    startServed(unitsim::Config{}, "AquendorKSV2 english");
    readyNullModem();
    unit.sim->setFaultOn("DSI", unitsim::Fault::Vanish);
    click(ksv2::ids::ReadButton);
    EXPECT_EQ(firstMessage(), "COM2: transmission error\n" + url() + kClosedByServer);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(edit(ksv2::ids::StatusEdit)->text(), "OFFLINE");
    unit.plugIn(unitsim::Config{});
    expectTheNextReadWorks();
}

// Another client pushes the program off while it awaits an answer.
TEST_P(ServedSoftener, AConnectionDroppedByTheServerEndsTheExchangeAndTheNextReadConnectsAgain) {
    startServed(unitsim::Config{}, "AquendorKSV2 english", true);
    readyNullModem();
    unit.sim->setFaultOn("DSI", unitsim::Fault::Silence);
    std::promise<void> readOver;
    std::thread otherClient([this, over = readOver.get_future()] {
        ASSERT_TRUE(unit.sim->waitForReceived(2));  // the login and DSI
        const int fd = connectOtherClient(unit.server.port());
        EXPECT_GE(fd, 0);
        over.wait();
        close(fd);
    });
    click(ksv2::ids::ReadButton);
    readOver.set_value();
    otherClient.join();
    EXPECT_EQ(firstMessage(), "COM2: transmission error\n" + url() + kClosedByServer);
    EXPECT_EQ(messages.shown.size(), 1u);
    expectTheNextReadWorks();
}

// In German: the window starts while the server is down, says so at start
// and at the read; once the server runs, the next read connects.
TEST_P(ServedSoftener, AServerNotRunningIsSaidAndTheReadAfterItStartsConnects) {
    startWithoutServer("AquendorKSV2");
    const std::string refused =
        url(laterPort) +
        ": Verbindung abgelehnt. Dort l\u00E4uft kein serieller Server, oder die Portnummer ist "
        "falsch.";
    EXPECT_EQ(firstMessage(), "COM2 konnte nicht ge\u00F6ffnet werden !\n" + refused);
    readyNullModem();
    click(ksv2::ids::ReadButton);
    EXPECT_EQ(
        firstMessage(),
        "clear com-buffer failed:\nCOM2 nicht vorhanden oder bereits verwendet !\n" + refused);
    EXPECT_EQ(edit(ksv2::ids::StatusEdit)->text(), "OFFLINE");
    serveLater();
    expectTheNextReadWorks();
}

// Picking another speed connects anew; a server that takes its time does
// not freeze the window: its events are handled while the server is
// awaited (here the server answers only once one has been).
TEST_P(ServedSoftener, TheWindowKeepsAnsweringWhileItConnects) {
    startServed(unitsim::Config{}, "AquendorKSV2 english");
    std::atomic<bool> handled{false};
    testsupport::ScriptedServer slow([&handled](int client) {
        testsupport::readUntil(client, testsupport::kComPortOffer);
        while (!handled) std::this_thread::yield();
        send(client, "\xFF\xFE\x2C", 3, MSG_NOSIGNAL);  // DONT COM-PORT-OPTION
        testsupport::readToEnd(client);
    });
    testsupport::ServedUnit::bind("COM2", slow.url());
    QTimer::singleShot(0, [&handled] { handled = true; });
    messages.clear();
    const std::int64_t start = devlink::monotonicMs();
    click(ksv2::ids::Baud9600Radio);
    EXPECT_LT(devlink::monotonicMs() - start, devlink::kConnectTimeoutMs);
    EXPECT_TRUE(handled);
    EXPECT_NE(firstMessage().find("does not offer Com Port Control"), std::string::npos)
        << firstMessage();
}

INSTANTIATE_TEST_SUITE_P(BothProtocols, ServedSoftener, ::testing::Values(Mode::Raw, Mode::Rfc2217),
                         [](const auto& info) { return testsupport::modeName(info.param); });

class ServedLogger : public ServedVantiqo {};

TEST_P(ServedLogger, ThreeHundredRecordsAreReadOutAndWrittenWhole) {
    startServed(testsupport::measuringConfig(2, 300));
    messages.answers = {MessageAnswer::Yes, MessageAnswer::No};
    click(vantiqo::ids::LoggerReadButton);
    ASSERT_EQ(messages.shown.size(), 2u) << messages.lastText().toStdString();
    EXPECT_TRUE(messages.shown[0].text.contains("300 Messwert(e)"));
    const std::string csv =
        testsupport::fileBytes(csvPath("Messdaten Vantiqo 123456 030609 1407.csv"));
    EXPECT_EQ(csv, expectedCsv(unit.sim->loggerData(), 300));
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 300);
    EXPECT_EQ(edit(vantiqo::ids::StatusEdit)->text(), "BEREIT");
}

INSTANTIATE_TEST_SUITE_P(BothProtocols, ServedLogger, ::testing::Values(Mode::Raw, Mode::Rfc2217),
                         [](const auto& info) { return testsupport::modeName(info.param); });
