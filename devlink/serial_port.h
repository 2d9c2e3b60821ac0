// The program's one serial port: exclusive open, 8N1 raw, no flow control,
// single-byte reads and writes with Windows-style timeouts measured by
// poll(). Behind it, by the COM name's binding, a serial device on this
// computer (termios) or a serial port on a network serial server (raw TCP
// or RFC 2217); the programs see no difference but in the port messages.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>

#include "devlink/line.h"
#include "devlink/link_window.h"
#include "devlink/port.h"
#include "devlink/port_problem.h"

namespace devlink {

// The five timeouts in milliseconds: gap between bytes, read total per
// requested byte and constant, write total per byte and constant.
struct CommTimeouts {
    int readInterval;
    int readTotalPerByte;
    int readTotalConstant;
    int writeTotalPerByte;
    int writeTotalConstant;

    int singleByteRead() const { return readTotalPerByte + readTotalConstant; }
    int singleByteWrite() const { return writeTotalPerByte + writeTotalConstant; }
    bool operator==(const CommTimeouts&) const = default;
};

inline constexpr CommTimeouts kNormalTimeouts{1000, 1000, 5000, 1000, 1000};
inline constexpr CommTimeouts kModemWaitTimeouts{1000, 1000, 80000, 1000, 1000};

// Line settings from a mode text such as "baud=19200 parity=N data=8
// stop=1". Returns false on a malformed text or an unsupported value.
struct LineSettings {
    int baud = 19200;
    char parity = 'N';
    int dataBits = 8;
    int stopBits = 1;
};
bool parseModeText(const std::string& text, LineSettings& settings);
std::string modeTextFor(int baud);

class SerialPort : public Port {
  public:
    // checkOpenFlag: the controller programs refuse to open an open port;
    // the measuring program has no such check.
    SerialPort(LinkWindow& window, bool checkOpenFlag = true);
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    void setPortName(const std::string& comName) { name_ = comName; }
    void setBaudRate(int baud) { baud_ = baud; }
    int baudRate() const { return baud_; }

    bool openPort();
    void closePort() override;
    bool reopenPort();

    const std::string& name() const override { return name_; }
    bool isOpen() const override { return open_; }
    bool purgeReceive() override;
    bool purgeTransmit() override;
    bool writeByte(std::uint8_t byte) override;
    std::optional<std::uint8_t> readByte() override;
    bool setModemWaitTimeouts() override;
    bool setNormalTimeouts() override;

    const CommTimeouts& timeouts() const { return timeouts_; }
    // Why the last open failed or the device went away.
    const PortProblem& problem() const { return problem_; }
    std::string problemText(bool english) const override;
    // The mode text applied at the last successful open.
    const std::string& modeText() const { return modeText_; }
    // Whether the COM name led to a network serial server at the last open.
    bool onNetwork() const { return line_ && line_->network(); }
    // Why the line was lost during an exchange, for the line below its
    // transmission error; empty for a local device, which says it at the
    // next action.
    std::string lostText(bool english) const override;

  private:
    bool openQuietly();
    std::unique_ptr<Line> lineForBinding();
    bool usable() const { return line_ && line_->isOpen(); }
    void sayUnlocked();
    void markLost();
    bool reopenLost();
    // The cause line below a port message, with its line break; empty when none.
    std::string withCause() const;
    bool setTimeouts(const CommTimeouts& timeouts);
    bool fillReceiveBuffer(std::int64_t deadlineMs);
    bool failureToTellApart(std::int64_t deadlineMs, bool& lookedAgain) const;

    // Bytes taken from the driver but not yet handed out: part of the
    // port's receive buffer, emptied by purgeReceive like the rest.
    struct ReceiveBuffer {
        std::array<std::uint8_t, 1024> bytes{};
        std::size_t begin = 0;
        std::size_t end = 0;
        bool empty() const { return begin == end; }
        void clear() { begin = end = 0; }
    };

    LinkWindow& window_;
    bool checkOpenFlag_;
    std::string name_ = "COM1";
    int baud_ = 19200;
    std::unique_ptr<Line> line_;
    bool open_ = false;
    CommTimeouts timeouts_ = kNormalTimeouts;
    std::string modeText_;
    ReceiveBuffer received_;
    PortProblem problem_;
    bool lost_ = false;          // the line went away while open, or a server could not be reached
    bool problemShown_ = false;  // the last failed open has said why already
    bool unlockedSaid_ = false;  // the trace knows the port has no lock file
};

}  // namespace devlink
