#include "tools/unitsim/osmosis_record.h"

#include "devlink/fields.h"

namespace unitsim {

namespace {

using devlink::encodeByte;
using devlink::putField;

void putBytes(std::string& record, std::size_t offset, std::initializer_list<std::uint32_t> bytes) {
    for (const std::uint32_t byte : bytes) {
        putField(record, offset, encodeByte(byte));
        offset += 2;
    }
}

}  // namespace

std::string defaultOsmosisRecord(bool longForm) {
    std::string record(longForm ? kOsmosisLongRecord : kOsmosisShortRecord, '0');
    using devlink::encodeFloat;
    // The unit keeps its numbers in single precision, each the value
    // nearest to its decimal.
    putField(record, 0, encodeFloat(2.0));            // temperature compensation, %/°C
    putField(record, 8, encodeFloat(0.1f));           // cell constant, 1/cm: 3DCCCCCD
    putField(record, 16, encodeFloat(1.0));           // water meter 1, litres per impulse
    putField(record, 24, encodeFloat(1.0));           // water meter 2
    putField(record, 32, encodeFloat(10.0));          // metering resolution
    putField(record, 40, encodeFloat(0.5));           // metering impulse, seconds
    putField(record, 48, encodeFloat(100.0));         // conductivity maximum, µS/cm
    putField(record, 56, encodeFloat(1.0));           // conductivity minimum
    putField(record, 72, devlink::encodeWord16(90));  // interval flush every 90 hours
    putField(record, 80, devlink::encodeWord16(1));   // flush for a minute
    // Interval flush 2 min, no quality flush (5 min), flushing with pump 2
    // and both valves, conductivity limits switching off after 10 min / 20 s.
    putBytes(record, 84, {2, 0, 5, 0, 14, 1, 10, 1, 20});
    // Manual compensation at 25 °C, limit 40 °C switching off after 20 s;
    // only pump 1, 10 s delays; normally open contacts; restart 3 times.
    putBytes(record, 102, {0, 25, 40, 1, 20, 2, 10, 10, 1, 5, 3, 1, 3, 0, 1, 1, 20, 1, 1, 1, 1, 1});
    // Metering through water meter 1, at most 20 bar, "PR" on conductivity.
    putBytes(record, 146, {1, 20, 1, 0, 0});
    if (longForm) {
        putField(record, kOsmosisLanguageOffset, encodeByte(0));       // German
        putField(record, 166, devlink::encodeText("", 20));            // dial-in number
        putField(record, 206, devlink::encodeText("", 4));             // prefix
        putField(record, 214, devlink::encodeText("0123456789", 20));  // provider access number
        putField(record, 254, devlink::encodeText("", 30));            // additional text
        putField(record, 314, devlink::encodeWord32(0x0001));          // SMS on power failure
    }
    return record;
}

}  // namespace unitsim
