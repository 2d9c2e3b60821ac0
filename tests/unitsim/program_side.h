// The program's end of the simulator's line for tests: the slave side opened
// raw, as an operator program opens its serial port, and a fixture around a
// running simulator.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "devlink/telegram.h"
#include "tools/unitsim/simulator.h"

namespace unitsim_test {

class ProgramSide {
  public:
    explicit ProgramSide(std::string path) : path_(std::move(path)) { open(); }
    ~ProgramSide() { ::close(fd_); }

    bool isOpen() const { return fd_ >= 0; }
    void reopen() {
        ::close(fd_);
        open();
    }

    void send(const std::string& bytes) const {
        ASSERT_EQ(::write(fd_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    // Bytes up to and including the end byte, or all that came when none
    // came within timeoutMs.
    std::string read(int timeoutMs = 1000) const {
        return readUntil(std::string(1, devlink::kEndByte), timeoutMs);
    }

    // Bytes until they end in `tail`, or all that came within timeoutMs.
    std::string readUntil(const std::string& tail, int timeoutMs = 1000) const {
        std::string bytes;
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!bytes.ends_with(tail)) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd p{fd_, POLLIN, 0};
            if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
            char byte = 0;
            if (::read(fd_, &byte, 1) == 1) bytes.push_back(byte);
        }
        return bytes;
    }

    // One byte at a time, as the operator programs talk to a modem: a pause
    // after every byte, and a longer one after byte number `longAfter` (1-based).
    void sendSlowly(const std::string& bytes, int pauseMs = 1, std::size_t longAfter = 0,
                    int longPauseMs = 0) const {
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            send(bytes.substr(i, 1));
            const int ms = i + 1 == longAfter ? longPauseMs : pauseMs;
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        }
    }

    std::string ask(const std::string& request) const {
        send(devlink::frameRequest(request));
        return read();
    }

  private:
    void open() {
        fd_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios line{};
        if (fd_ < 0 || tcgetattr(fd_, &line) != 0) return;
        cfmakeraw(&line);
        tcsetattr(fd_, TCSANOW, &line);
    }

    std::string path_;
    int fd_ = -1;
};

class RunningUnit : public ::testing::Test {
  protected:
    void start(const unitsim::Config& config) {
        sim = std::make_unique<unitsim::Simulator>(config);
        ASSERT_TRUE(sim->open());
        sim->start();
        program = std::make_unique<ProgramSide>(sim->devicePath());
        ASSERT_TRUE(program->isOpen());
    }

    std::string ask(const std::string& request) { return program->ask(request); }

    std::unique_ptr<unitsim::Simulator> sim;
    std::unique_ptr<ProgramSide> program;
};

inline std::string withEnd(const std::string& text) {
    return text + devlink::kEndByte;
}

}  // namespace unitsim_test
