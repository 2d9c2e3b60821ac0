#include "tools/unitsim/plant_settings.h"

#include <algorithm>

#include "devlink/fields.h"

namespace unitsim {

namespace {

constexpr std::size_t kHardnessOffset = 0;
constexpr std::size_t kCapacityOffset = 72;
constexpr std::size_t kStageCountOffset = 138;
constexpr std::size_t kFirstStageOffset = 142;
constexpr int kMaxStages = 8;

// Backwash, brine, slow rinse, fast rinse, refill.
const std::vector<int> kFactoryStages = {10, 30, 40, 5, 10};

double within(double value, double low, double high, double fallback) {
    return value >= low && value <= high ? value : fallback;
}

std::vector<int> stagesFrom(std::string_view record) {
    const int count = devlink::decodeByte(record, kStageCountOffset);
    if (count < 1 || count > kMaxStages) return kFactoryStages;
    std::vector<int> minutes;
    for (int i = 0; i < count; ++i)
        minutes.push_back(devlink::decodeByte(record, kFirstStageOffset + 2 * i));
    if (std::all_of(minutes.begin(), minutes.end(), [](int m) { return m == 0; }))
        return kFactoryStages;
    return minutes;
}

}  // namespace

bool isPlantType(int value) {
    return value == 1 || value == 2 || value == 4 || value == 8;
}

PlantSettings PlantSettings::fromRecord(std::string_view record) {
    PlantSettings settings;
    const int type = devlink::decodeByte(record, kPlantTypeOffset);
    // An unknown type runs as the simplest plant.
    if (isPlantType(type)) settings.type = static_cast<PlantType>(type);
    settings.hardness =
        within(devlink::decodeFloat(record, kHardnessOffset), 0.1, 100.0, settings.hardness);
    settings.capacity =
        within(devlink::decodeFloat(record, kCapacityOffset), 1.0, 100000.0, settings.capacity);
    settings.stageMinutes = stagesFrom(record);
    return settings;
}

}  // namespace unitsim
