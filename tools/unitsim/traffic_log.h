// The unitsim program's output: one timestamped line per telegram, written
// from the simulator's thread and the console alike.
#pragma once

#include <mutex>
#include <ostream>
#include <string>

#include "tools/unitsim/simulator.h"

namespace unitsim {

// Bytes as a person reads them: the end byte as <EOT>, other control and
// non-ASCII bytes as <XX> in hex.
std::string printable(const std::string& bytes);

class TrafficLog {
  public:
    explicit TrafficLog(std::ostream& out) : out_(out) {}

    void telegram(Direction direction, const std::string& bytes);
    void line(const std::string& text);

  private:
    std::mutex mutex_;
    std::ostream& out_;
};

}  // namespace unitsim
