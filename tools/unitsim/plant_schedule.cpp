#include "tools/unitsim/plant_schedule.h"

#include <cmath>
#include <numbers>

namespace unitsim {

namespace {

struct ProgramTimes {
    double period;  // seconds
    double start;   // seconds into the period
};

constexpr ProgramTimes kPrograms[] = {{3 * 3600.0, 2 * 3600.0}, {5 * 3600.0, 4.5 * 3600.0}};
constexpr double kRunSeconds = 4 * 60.0;
constexpr double kDueSeconds = 10 * 60.0;

double intoPeriod(int program, double seconds) {
    const ProgramTimes& times = kPrograms[program == 0 ? 0 : 1];
    return std::fmod(seconds, times.period) - times.start;
}

}  // namespace

bool supplementaryProgramRuns(int program, double simulatedSeconds) {
    const double into = intoPeriod(program, simulatedSeconds);
    return into >= 0.0 && into < kRunSeconds;
}

bool supplementaryProgramDue(int program, double simulatedSeconds) {
    const double into = intoPeriod(program, simulatedSeconds);
    return into >= -kDueSeconds && into < 0.0;
}

bool pulseRelayOn(double litres) {
    return std::fmod(litres, 20.0) < 10.0;
}

double measuredHardness(double hardness, double simulatedSeconds) {
    constexpr double kTwoPi = 2.0 * std::numbers::pi;
    const double swing = 0.012 * std::sin(kTwoPi * simulatedSeconds / 1020.0) +
                         0.006 * std::sin(kTwoPi * simulatedSeconds / 173.0);
    return hardness * (1.0 + swing);
}

}  // namespace unitsim
