// Status bytes pinned to a value for deterministic tests: a pinned byte
// replaces the unit's own in every status answer until the pins are cleared.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace unitsim {

class StatusOverrides {
  public:
    // The softener's status area is 190 characters long.
    explicit StatusOverrides(std::size_t areaLength = 190) : areaLength_(areaLength) {}

    // False for an offset whose two digits do not lie inside the status area.
    bool pin(std::size_t offset, std::uint8_t value);
    void clear() { pinned_.clear(); }
    void applyTo(std::string& area) const;

  private:
    std::size_t areaLength_;
    std::map<std::size_t, std::uint8_t> pinned_;
};

}  // namespace unitsim
