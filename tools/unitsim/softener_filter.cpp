#include "tools/unitsim/softener_filter.h"

#include <cmath>

namespace unitsim {

int SoftenerFilter::remainingMinutes() const {
    if (!regenerating() || phaseLeft <= 0.0) return 0;
    return static_cast<int>(std::ceil(phaseLeft / 60.0 - 1e-9));
}

}  // namespace unitsim
