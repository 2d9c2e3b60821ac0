// The softener's 190-character status area: its meters run and it
// regenerates filter 1 now and then, so a program polling it sees change.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace unitsim {

inline constexpr std::size_t kStatusAreaLength = 190;
// A byte of the status area the unit does not use.
inline constexpr std::size_t kStatusSpareOffset = 188;

class StatusArea {
  public:
    explicit StatusArea(std::int64_t startUs) : startUs_(startUs) {}

    // The area at monotonic time nowUs, with localNow as the last access.
    std::string at(std::int64_t nowUs, const std::tm& localNow) const;

  private:
    std::int64_t startUs_;
};

}  // namespace unitsim
