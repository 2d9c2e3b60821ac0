// One filter of the softener plant and where it is in its cycle.
#pragma once

namespace unitsim {

enum class FilterPhase {
    Idle,          // not part of the plant (filter 2 of a one-filter plant)
    Service,       // service valve open, softening
    Reserve,       // used up, still in service while the unit waits to regenerate
    Waiting,       // used up, service valve closed, regeneration due
    Regenerating,  // going through the regeneration stages
    Standby,       // regenerated, waiting to take over (change-over plant)
};

struct SoftenerFilter {
    FilterPhase phase = FilterPhase::Idle;
    double capacity = 0.0;     // residual capacity, m³·°dH
    double meterLitres = 0.0;  // the filter's water meter
    double drawnLitres = 0.0;  // through the filter since its last regeneration
    double phaseLeft = 0.0;    // seconds left of the reserve, the wait or the stage
    int stage = 0;             // 1-based stage while regenerating, else 0

    bool valveOpen() const {
        return phase == FilterPhase::Service || phase == FilterPhase::Reserve;
    }
    bool waiting() const { return phase == FilterPhase::Reserve || phase == FilterPhase::Waiting; }
    bool regenerating() const { return phase == FilterPhase::Regenerating; }
    // Remaining minutes of the stage as the unit shows them, rounded up.
    int remainingMinutes() const;
};

}  // namespace unitsim
