// A serial device on this computer, by termios: exclusive open (the UUCP
// lock file, flock and the terminal's exclusive mode), 8N1 raw without flow
// control at 9600 or 19200 bit/s, non-blocking single bytes.
#pragma once

#include "devlink/line.h"
#include "devlink/port_lock.h"
#include "devlink/port_problem.h"

namespace devlink {

class TtyLine : public Line {
  public:
    // comName: the COM name the device path is resolved from at each open;
    // problem: the port's, filled in on every failure.
    TtyLine(std::string comName, PortProblem& problem)
        : comName_(std::move(comName)), problem_(problem) {}
    ~TtyLine() override { close(); }
    TtyLine(const TtyLine&) = delete;
    TtyLine& operator=(const TtyLine&) = delete;

    bool open(int baud, std::string& message) override;
    void close() override;
    bool isOpen() const override { return fd_ >= 0; }
    int descriptor() const override { return fd_; }
    LineIo purgeReceive() override;
    bool purgeTransmit() override;
    LineIo writeByte(std::uint8_t byte) override;
    LineIo read(std::uint8_t* into, std::size_t room, std::size_t& count) override;
    int unlockedError() const override { return lock_.unlockedError(); }
    std::string description() const override { return problem_.path; }
    bool network() const override { return false; }

  private:
    bool openDevice();
    PortProblem::Kind openFailure(int error, const std::string& path);
    bool refuseBusy();
    bool configure(int baud, std::string& message);
    LineIo lost(int error);
    void noteUnreadGone() const;

    std::string comName_;
    PortProblem& problem_;
    PortLock lock_;
    int fd_ = -1;
};

}  // namespace devlink
