// Telnet with the Com Port Control option, the client's side, as a network
// serial server in RFC 2217 mode speaks it: data bytes with IAC (255)
// doubled, option negotiation, and the subnegotiations that set the speed
// and framing of the server's port and purge its buffers. No input or
// output here: the network line feeds it the bytes it received and sends
// what it is given.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace devlink::telnet {

inline constexpr std::uint8_t kIac = 255;
inline constexpr std::uint8_t kDont = 254;
inline constexpr std::uint8_t kDo = 253;
inline constexpr std::uint8_t kWont = 252;
inline constexpr std::uint8_t kWill = 251;
inline constexpr std::uint8_t kSb = 250;
inline constexpr std::uint8_t kSe = 240;

inline constexpr std::uint8_t kBinary = 0;
inline constexpr std::uint8_t kEcho = 1;
inline constexpr std::uint8_t kSuppressGoAhead = 3;
inline constexpr std::uint8_t kComPortOption = 44;

// Com Port Control commands of the client; the server answers each with
// the same number plus 100.
inline constexpr std::uint8_t kSetBaudRate = 1;
inline constexpr std::uint8_t kSetDataSize = 2;
inline constexpr std::uint8_t kSetParity = 3;
inline constexpr std::uint8_t kSetStopSize = 4;
inline constexpr std::uint8_t kSetControl = 5;
inline constexpr std::uint8_t kPurgeData = 12;
inline constexpr std::uint8_t kServerAnswer = 100;

inline constexpr std::uint8_t kParityNone = 1;
inline constexpr std::uint8_t kOneStopBit = 1;
inline constexpr std::uint8_t kNoFlowControl = 1;
// What PURGE-DATA purges: the server's receive buffer (bytes from the unit
// not yet sent to us) or its transmit buffer (bytes for the unit).
inline constexpr std::uint8_t kPurgeReceive = 1;
inline constexpr std::uint8_t kPurgeTransmit = 2;

// One data byte as it goes on the connection: IAC doubled.
std::string escaped(std::uint8_t byte);

// IAC SB COM-PORT-OPTION command value IAC SE, IAC in the value doubled.
std::string comPortCommand(std::uint8_t command, const std::string& value);
// The four bytes of a baud rate, most significant first.
std::string baudValue(std::uint32_t baud);

class Codec {
  public:
    enum class ComPort { Pending, Agreed, Refused };

    // What the client offers at the start: binary transmission both ways
    // (the line carries any byte, CR without a following NUL) and Com Port
    // Control.
    std::string opening();

    // Takes bytes received from the server: the data bytes go to data (at
    // most count of them, so data may be the bytes' own buffer) and their
    // number is returned; replies to the server's option requests wait in
    // replies() for the next send.
    std::size_t decode(const std::uint8_t* bytes, std::size_t count, std::uint8_t* data);

    // Replies owed to the server, taken.
    std::string takeReplies();

    ComPort comPort() const { return comPort_; }
    // The server's last answer to a Com Port Control command (its value
    // bytes), nothing before one came.
    const std::optional<std::string>& answer(std::uint8_t command) const;
    void forgetAnswers();
    // How many purges of this kind the server has confirmed so far.
    std::size_t purgesConfirmed(std::uint8_t which) const;

  private:
    enum class State { Data, Iac, Option, Sub, SubIac };
    void option(std::uint8_t verb, std::uint8_t code);
    void theyWill(std::uint8_t code, bool will);
    void theyDo(std::uint8_t code, bool doIt);
    void subnegotiation();
    void reply(std::uint8_t verb, std::uint8_t code);

    State state_ = State::Data;
    std::uint8_t verb_ = 0;
    // A subnegotiation's bytes; what goes past the bound is dropped.
    std::string sub_;
    std::string replies_;
    // Options in force on the server's side (it said WILL, we DO) and on
    // ours (we said WILL, it DO), and those we asked for and await.
    std::array<bool, 256> theirs_{};
    std::array<bool, 256> ours_{};
    std::array<bool, 256> askedTheirs_{};
    std::array<bool, 256> askedOurs_{};
    ComPort comPort_ = ComPort::Pending;
    std::array<std::optional<std::string>, 13> answers_{};
    std::array<std::size_t, 4> purges_{};
};

}  // namespace devlink::telnet
