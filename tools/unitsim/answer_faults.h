// What actually goes on the wire for a reply: the unit's own telegram, or a
// raw answer or fault a test asked for. Raw answers come first, in the order
// queued; a fault applies to the next `count` answers after them.
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "tools/unitsim/request.h"
#include "tools/unitsim/simulator.h"

namespace unitsim {

class AnswerFaults {
  public:
    void set(Fault fault, int count);  // count < 0: until cleared
    void clear() { set(Fault::None, 0); }
    void queueRaw(std::string bytes) { raw_.push_back(std::move(bytes)); }

    // The bytes to send for a reply to a request with this command word;
    // nothing when the unit stays silent.
    std::optional<std::string> shape(const Reply& reply, const std::string& word);

  private:
    Fault takeFault();

    Fault fault_ = Fault::None;
    int remaining_ = 0;
    std::deque<std::string> raw_;
};

// The reply with its checksum and end byte, as the unit sends it.
std::string frameReply(const Reply& reply);
// The same with the checksum one higher than it should be.
std::string frameWithWrongChecksum(const Reply& reply);
// The same with the checksum's letters in lower case. The spare digit is
// changed when needed so that the checksum has a letter at all.
std::string frameWithLowerCaseChecksum(Reply reply);
// More than an answer buffer holds, without an end byte.
std::string overlongAnswer(const std::string& word);

}  // namespace unitsim
