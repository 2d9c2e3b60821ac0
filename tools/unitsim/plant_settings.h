// What the softener takes from its parameter record to run the plant: the
// plant type, the raw-water hardness, the exchange capacity of a filter and
// the minutes of each regeneration stage.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace unitsim {

// The plant-type byte of the record (offset 108).
enum class PlantType : std::uint8_t {
    OneFilter = 1,
    ChangeOver = 2,  // two filters, one in service, the other standing by
    Parallel = 4,    // two filters side by side
    Serial = 8,      // two filters one behind the other
};

inline constexpr std::size_t kPlantTypeOffset = 108;

bool isPlantType(int value);

struct PlantSettings {
    PlantType type = PlantType::OneFilter;
    double hardness = 8.4;    // raw water, °dH
    double capacity = 250.0;  // exchange capacity of one filter, m³·°dH
    // Minutes of stages 1, 2, ...; a stage of 0 minutes is left out.
    std::vector<int> stageMinutes;

    // Values the unit cannot work with fall back to factory ones.
    static PlantSettings fromRecord(std::string_view record);
    bool twoFilters() const { return type != PlantType::OneFilter; }
};

}  // namespace unitsim
