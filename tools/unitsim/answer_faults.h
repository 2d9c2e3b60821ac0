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

// What the unit puts on the line for one reply.
struct ShapedAnswer {
    std::string bytes;
    int slowBytes = 0;         // the first bytes leave kSlowByteGapMs apart
    bool vanish = false;       // the device goes away after the bytes
    bool carrierLoss = false;  // the modem drops the line instead
};

inline constexpr int kSlowByteGapMs = 5500;

class AnswerFaults {
  public:
    void set(Fault fault, int count);  // count < 0: until cleared
    void setOn(const std::string& word, Fault fault, int skip);
    void clear();
    void queueRaw(std::string bytes) { raw_.push_back(std::move(bytes)); }

    // What to send for a reply to a request with this command word;
    // nothing when the unit stays silent.
    std::optional<ShapedAnswer> shape(const Reply& reply, const std::string& word);

  private:
    Fault takeFault(const std::string& word);

    Fault fault_ = Fault::None;
    int remaining_ = 0;
    // A fault aimed at one command word.
    std::string targetWord_;
    Fault targetFault_ = Fault::None;
    int targetSkip_ = 0;
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
// Characters for seconds on end, without an end byte.
std::string endlessStream(const std::string& word);

}  // namespace unitsim
