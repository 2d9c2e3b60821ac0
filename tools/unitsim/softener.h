// The softener's own requests: status (DSI), parameter read (DPI) and
// parameter write (DPS).
#pragma once

#include <cstdint>
#include <string>

#include "tools/unitsim/request.h"
#include "tools/unitsim/status_area.h"

namespace unitsim {

class Softener {
  public:
    Softener(bool longForm, std::int64_t startUs);

    Reply statusReply() const;
    // twoParts: the record goes out in two answers, the first starting with
    // a blank; the program asks twice.
    Reply parameterReply(bool twoParts);
    Reply parameterWriteReply(const Request& request);
    // Any other request in between starts the two-part answer over.
    void restartParameterAnswer() { secondPartNext_ = false; }

    std::string statusArea() const;
    const std::string& record() const { return record_; }
    void setRecord(std::string record) { record_ = std::move(record); }

  private:
    Reply recordReply(const std::string& head, std::size_t from, std::size_t length) const;

    StatusArea status_;
    std::string record_;
    bool secondPartNext_ = false;
};

}  // namespace unitsim
