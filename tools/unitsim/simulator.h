// The unit simulator: stands in for a controller at the other end of the
// cable. It owns a pseudo-terminal, can bind it as a COM name in the ports
// folder, and answers telegrams as a unit does, in a thread of its own.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace unitsim {

enum class UnitKind { Softener, Osmosis, Measuring };

// Faults a test can ask for; each applies to the next answers.
enum class Fault {
    None,
    WrongChecksum,      // the checksum of the answer is off
    LowerCaseChecksum,  // the checksum's letters are written in lower case
    ChecksumEcho,       // the answer is the echo of the request's command word
    Silence,            // no answer at all
    Overlong,           // more than 700 characters without end byte
    EndlessStream,      // characters without end for seconds, no end byte
    SlowBytes,          // the answer, its first bytes 5.5 s apart
    Vanish,             // half the answer, then the device is gone (EIO, hang-up)
    CarrierLoss,        // behind a modem: the line drops instead of an answer
};

// What the modem in front of the unit answers a dial command with.
enum class ModemOutcome {
    Connect,           // "CONNECT", then online
    NoCarrier,         // "NO CARRIER"
    Busy,              // "BUSY"
    ConnectWithSpeed,  // "CONNECT 19200", then online
    Silent,            // no answer at all; the modem stays idle
};

// What the modem answers a recognised escape "+++" with. It goes to command
// mode in every case, keeping the connection.
enum class EscapeResponse {
    Ok,       // "OK"
    Silent,   // nothing
    Garbage,  // more than 30 characters with neither "OK" nor "NO CARRIER"
};

enum class ModemState {
    Idle,           // command mode without a connection
    Dialling,       // a dial command is being carried out
    Online,         // connected: the bytes go to the unit
    OnlineCommand,  // command mode after an escape, still connected
};

struct Config {
    UnitKind kind = UnitKind::Softener;
    std::string serialNumber = "123456";
    int level = 2;            // authorisation level 0, 1 or 2
    int variant = 0;          // measuring unit: 0 short login answers, 1..6 the variants
    bool longForm = true;     // parameter record in the long (SMS) form
    bool twoPartDpi = false;  // the parameter record comes in two answers
    bool twoPartDhi = false;  // so does the status history
    int baud = 0;             // 0: no pacing; 9600 or 19200 bit/s, 10 bits a byte
    // Softener: simulated seconds per real second (60: a minute a second;
    // 0: the plant moves only with advanceMinutes).
    double timeScale = 1.0;
    int plantType = 1;  // softener: 1, 2, 4 or 8 in the factory record

    // A Hayes modem between the line and the unit: the program must dial
    // and hang up. Without it the line goes straight to the unit.
    bool modem = false;
    bool modemEcho = false;  // echo of the bytes received in command mode
    int dialDelayMs = 1500;  // from the dial command to its result
    int guardMs = 1000;      // silence before and after an escape "+++"
    ModemOutcome dialOutcome = ModemOutcome::Connect;

    // Measuring unit: the records in its data logger at the start.
    std::size_t loggerRecords = 0;
};

using Clock = std::chrono::steady_clock;

// One request as the simulator received it, with the arrival time of every
// byte. With a modem its commands are logged the same way: a command line
// with its CR, and a recognised escape "+++".
struct ReceivedTelegram {
    std::string bytes;  // end byte included
    std::vector<Clock::time_point> byteTimes;
};

// The softener's two logs.
enum class History { Status, Error };

enum class Direction { Received, Sent };
// Sees every telegram received and every answer sent, in the simulator's thread.
using TrafficObserver = std::function<void(Direction, const std::string& bytes)>;

class Simulator {
  public:
    explicit Simulator(Config config = {});
    ~Simulator();  // stops the thread, removes the COM binding, closes the pty
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Creates the pseudo-terminal. False (with errno kept) on failure.
    bool open();
    // The slave side a program opens, e.g. "/dev/pts/7".
    std::string devicePath() const;
    // The line speed the program set on its side of the cable (0: unknown).
    int lineBaud() const;
    // Binds comName ("COM5") in portsFolder as a symbolic link to the
    // slave side, creating the folder if needed and replacing an old link.
    bool bindComName(const std::string& portsFolder, const std::string& comName);

    // Set before start().
    void setTrafficObserver(TrafficObserver observer);
    void start();  // answers in a background thread
    void stop();
    // Waits until the unit has nothing left to do: no answer going out, no
    // request half handled. False when that took longer than limitMs.
    bool waitUntilIdle(int limitMs = 20000) const;
    // Waits until the unit has received at least count telegrams (modem
    // commands included) since the log was last cleared.
    bool waitForReceived(std::size_t count, int limitMs = 20000) const;

    void setFault(Fault fault, int count = 1);  // count < 0: until cleared
    // The fault applies once, to the answer to a request with this command
    // word ("DSI"), after `skip` such answers went out as usual.
    void setFaultOn(const std::string& commandWord, Fault fault, int skip = 0);
    void clearFault();
    // The next answer is exactly these bytes instead of the unit's own.
    void queueRawAnswer(std::string bytes);

    void setLevel(int level);
    void setSerialNumber(const std::string& serialNumber);
    void setVariant(int variant);
    void setBaud(int baud);

    std::vector<ReceivedTelegram> received() const;
    void clearReceived();

    // The softener's 240 or 404 characters, the reverse-osmosis unit's 156 or 322.
    std::string parameterRecord() const;
    void setParameterRecord(const std::string& record);
    // The status area (softener 190 characters, reverse osmosis 110); the
    // plant runs up to now first.
    std::string statusArea() const;

    // The plant and the conditions put on it (plant type: the softener's).
    void setTimeScale(double scale);      // see Config::timeScale
    void advanceMinutes(double minutes);  // jumps the simulated time on
    // Writes the plant-type byte of the record (1, 2, 4 or 8); false for another value.
    bool setPlantType(int type);
    void setStopInput(bool closed);  // the plant stands still while closed
    void raiseAlarm(bool on);
    void setChemicalsLow(bool low);
    // Pins the byte at this character offset of the status area in every
    // answer; false when the byte does not lie inside the area.
    bool overrideStatusByte(std::size_t offset, std::uint8_t value);
    void clearStatusOverrides();

    // The logs: an alarm with an error code (logged, alarm lamp on); the
    // softener's status history in one or two answers; and, for tests, the
    // exact text a log is sent as (empty: the unit's own log again).
    void raiseError(std::uint32_t code);
    void setTwoPartHistory(bool twoParts);
    void setHistoryText(History history, const std::string& text);
    std::string historyText(History history) const;

    // The modem (Config::modem); these do nothing without one.
    bool hasModem() const;
    void setDialOutcome(ModemOutcome outcome);  // for the next dial commands
    void setEscapeResponse(EscapeResponse response);
    // The connection breaks: "NO CARRIER" and idle. Nothing when not connected.
    void dropCarrier();
    ModemState modemState() const;      // Idle without a modem
    std::string dialledNumber() const;  // of the last dial command

    // The measuring unit: its data logger and the faults it can play.
    void fillLogger(std::size_t records);         // generated records, at most 65535
    void setLoggerData(const std::string& data);  // the characters served, any length
    std::string loggerData() const;
    std::size_t loggerRecords() const;
    // DFL announces this byte count instead of the true one (nothing: the true one).
    void setLoggerAnnouncedBytes(std::optional<std::uint32_t> bytes);
    // Every DFI block announces another one, past the end of the data.
    void setLoggerEndless(bool endless);
    // RMV reports no temperature (-1).
    void setTemperatureMissing(bool missing);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace unitsim
