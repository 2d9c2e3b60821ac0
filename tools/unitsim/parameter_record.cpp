#include "tools/unitsim/parameter_record.h"

#include "devlink/fields.h"

namespace unitsim {

namespace {

using devlink::putField;

// The long form's SMS part: six carried characters, then the dial-in
// number (20), prefix (4), access number (20) and additional text (30) as
// blank-padded texts, the alarm flags word and the interval flag.
constexpr std::size_t kSmsTextOffset = 246;
constexpr std::size_t kSmsTextChars = 20 + 4 + 20 + 30;
constexpr std::size_t kSmsFlagsOffset = 394;
constexpr std::size_t kSmsEnabledOffset = 402;

}  // namespace

std::string defaultParameterRecord(bool longForm) {
    std::string record(longForm ? kLongRecordLength : kShortRecordLength, '0');
    putField(record, 0, devlink::encodeFloat(8.4));     // raw-water hardness, °dH
    putField(record, 8, devlink::encodeFloat(1.0));     // litres per meter impulse
    putField(record, 72, devlink::encodeFloat(250.0));  // exchange capacity
    putField(record, 100, devlink::encodeWord16(60));   // minimum regeneration pause
    putField(record, 108, devlink::encodeByte(1));      // plant type: one filter
    putField(record, 164, devlink::encodeByte(1));      // supplementary program 2 from stage 1
    // Five regeneration stages: backwash, brine, slow rinse, fast rinse, refill.
    putField(record, 138, devlink::encodeByte(5));
    constexpr std::uint32_t kStageMinutes[] = {10, 30, 40, 5, 10};
    for (std::size_t i = 0; i < 5; ++i)
        putField(record, 142 + 2 * i, devlink::encodeByte(kStageMinutes[i]));
    if (longForm) {
        putField(record, kSmsTextOffset, devlink::encodeText("", kSmsTextChars));
        putField(record, kSmsFlagsOffset, devlink::encodeWord32(0x0001));  // power failure
        putField(record, kSmsEnabledOffset, devlink::encodeByte(1));
    }
    return record;
}

bool writeParameterRecord(std::string& record, std::string_view written) {
    return writeParameterRecord(record, written, kShortRecordLength, kLongRecordLength);
}

bool writeParameterRecord(std::string& record, std::string_view written, std::size_t shortLength,
                          std::size_t longLength) {
    if (written.size() == shortLength) {
        record.replace(0, shortLength, written);
        return true;
    }
    if (written.size() == longLength && record.size() == longLength) {
        record = written;
        return true;
    }
    return false;
}

}  // namespace unitsim
