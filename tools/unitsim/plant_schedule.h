// What the softener does by the clock rather than by its filters: the two
// supplementary programs, the dosing pulse relay and the small swings of the
// hardness its measuring cell reports.
#pragma once

namespace unitsim {

// Supplementary program 1 (program 0) runs four minutes every three hours,
// program 2 (program 1) four minutes every five hours.
bool supplementaryProgramRuns(int program, double simulatedSeconds);
// The ten minutes before a supplementary program starts, when its lamp blinks.
bool supplementaryProgramDue(int program, double simulatedSeconds);

// The dosing pulse relay switches every ten litres that flow.
bool pulseRelayOn(double litres);

// The raw-water hardness as the measuring cell sees it: within about 2 %.
double measuredHardness(double hardness, double simulatedSeconds);

}  // namespace unitsim
