#include "tools/unitsim/status_overrides.h"

#include "devlink/fields.h"

namespace unitsim {

bool StatusOverrides::pin(std::size_t offset, std::uint8_t value) {
    if (offset + 2 > areaLength_) return false;
    pinned_[offset] = value;
    return true;
}

void StatusOverrides::applyTo(std::string& area) const {
    for (const auto& [offset, value] : pinned_)
        devlink::putField(area, offset, devlink::encodeByte(value));
}

}  // namespace unitsim
