// A serial port whose other end sends the fuzzer's bytes: every read takes
// the next byte, and when they are used up every further read times out,
// as a unit that has fallen silent. What the program writes is kept.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "devlink/port.h"

namespace fuzzing {

class FuzzPort : public devlink::Port {
  public:
    explicit FuzzPort(std::string_view incoming, std::string name = "COM2")
        : incoming_(incoming), name_(std::move(name)) {}

    const std::string& name() const override { return name_; }
    bool isOpen() const override { return open_; }
    bool purgeReceive() override { return purgeWorks; }
    bool purgeTransmit() override { return purgeWorks; }

    bool writeByte(std::uint8_t byte) override {
        if (!writeWorks) return false;
        written.push_back(static_cast<char>(byte));
        return true;
    }
    std::optional<std::uint8_t> readByte() override {
        ++reads;
        if (taken_ >= incoming_.size()) return std::nullopt;
        return static_cast<std::uint8_t>(incoming_[taken_++]);
    }

    bool setModemWaitTimeouts() override {
        modemWait = true;
        return timeoutsWork;
    }
    bool setNormalTimeouts() override {
        modemWait = false;
        return timeoutsWork;
    }
    void closePort() override { open_ = false; }

    std::size_t taken() const { return taken_; }
    std::size_t left() const { return incoming_.size() - taken_; }
    // The bytes read since `from` (a value of taken()).
    std::string_view readSince(std::size_t from) const {
        return incoming_.substr(from, taken_ - from);
    }

    bool purgeWorks = true;
    bool writeWorks = true;
    bool timeoutsWork = true;
    bool modemWait = false;  // the long timeouts of a modem wait are set
    std::string written;
    std::size_t reads = 0;

  private:
    std::string_view incoming_;
    std::string name_;
    std::size_t taken_ = 0;
    bool open_ = true;
};

}  // namespace fuzzing
