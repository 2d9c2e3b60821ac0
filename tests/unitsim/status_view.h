// The plant's state as the program reads it from the softener's status area.
#pragma once

#include <string>

#include "devlink/fields.h"

namespace unitsim_test {

struct StatusView {
    explicit StatusView(const std::string& area) : area(area) {}

    bool bit(std::size_t offset, int position) const {
        return (devlink::decodeByte(area, offset) >> position) & 1;
    }
    int byte(std::size_t offset) const { return devlink::decodeByte(area, offset); }

    int stage1() const { return byte(172); }
    int minutes1() const { return byte(174); }
    int stage2() const { return byte(176); }
    int minutes2() const { return byte(178); }
    bool valve1() const { return bit(162, 6); }
    bool valve2() const { return bit(162, 4); }
    bool waiting1() const { return bit(186, 0); }
    bool waiting2() const { return bit(186, 1); }
    bool stopInput() const { return bit(166, 5); }
    double residualCapacity() const { return devlink::decodeFloat(area, 8); }
    double meter1() const { return devlink::decodeFloat(area, 72); }
    double meter2() const { return devlink::decodeFloat(area, 80); }

    std::string area;
};

}  // namespace unitsim_test
