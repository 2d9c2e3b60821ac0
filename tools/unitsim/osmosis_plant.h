// The reverse-osmosis plant behind the status area. The pumps press raw
// water through the membrane into a permeate tank; the concentrate goes to
// the drain. The plant produces while the tank is not full, stands by
// while it is, and flushes its membrane before it starts again and at
// intervals while it stands by. Conductivity, temperature and pressure
// wander slowly as on a real plant.
#pragma once

#include <cstdint>
#include <string_view>

namespace unitsim {

// The plant-status codes the unit reports.
enum class OsmosisState : std::uint8_t {
    Standby = 1,
    Production = 2,  // water is drawn: "Abnahme"
    Flushing = 4,
    Stopped = 8,
    QualityFlush = 16,
};

// What the plant takes from the parameter record.
struct OsmosisSettings {
    double flushMinutes = 1.0;
    double intervalHours = 90.0;
    double intervalFlushMinutes = 2.0;
    bool qualityFlush = false;
    double qualityFlushMinutes = 5.0;
    int pumpMode = 2;                // 2 only pump 1, 4 only pump 2, 0 alternate, else serial
    double maxConductivity = 100.0;  // µS/cm

    // Values the unit cannot work with fall back to factory ones.
    static OsmosisSettings fromRecord(std::string_view record);
};

class OsmosisPlant {
  public:
    explicit OsmosisPlant(const OsmosisSettings& settings);

    void configure(const OsmosisSettings& settings) { settings_ = settings; }
    // Runs the plant for this many simulated seconds; with the stop input
    // closed it stands still.
    void run(double seconds, bool stopInput);

    // "Start / Stop": a running plant stops, a stopped one starts again.
    void startStop();
    // "Spülen": the membrane is flushed now (not while stopped).
    void flush();

    OsmosisState state() const;
    double simulatedSeconds() const { return seconds_; }
    double permeateCubicMetres() const { return permeate_; }
    double concentrateCubicMetres() const { return concentrate_; }
    std::uint32_t operationHours() const;
    bool tankFull() const { return tank_ >= 1.0; }
    bool tankAboveLow() const { return tank_ > kLowMark; }

    bool pumping() const;
    bool pumpRuns(int pump) const;  // pump 1 or 2
    bool inletValveOpen() const { return pumping(); }
    bool permeateValveOpen() const { return state_ == OsmosisState::Production; }
    bool flushValveOpen() const;

    double permeateConductivity() const;  // µS/cm
    double rawConductivity() const;       // µS/cm
    double temperature() const;           // °C
    double pressure() const;              // bar
    bool conductivityTooHigh() const { return permeateConductivity() > settings_.maxConductivity; }

  private:
    static constexpr double kLowMark = 0.3;

    void step(double seconds);
    double nextChange() const;
    void change();
    void startFlush(double minutes, OsmosisState after);
    void endFlush();

    OsmosisSettings settings_;
    OsmosisState state_ = OsmosisState::Production;
    bool stopped_ = false;  // by "Start / Stop"
    bool stopInput_ = false;
    double seconds_ = 0.0;
    double stateLeft_ = 0.0;  // seconds until a flush ends
    OsmosisState afterFlush_ = OsmosisState::Production;
    double sinceRun_ = 0.0;  // seconds standing by since the last production or flush
    double tank_ = 0.6;      // level of the permeate tank, 0 empty to 1 full
    double permeate_ = 1834.2716;
    double concentrate_ = 611.4239;
    double pumpSeconds_ = 5123.0 * 3600.0;
    bool secondPump_ = false;  // alternating pumps: which one runs now
};

}  // namespace unitsim
