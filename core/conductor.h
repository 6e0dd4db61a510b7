#pragma once
// Conductor sizing: every winding's copper follows from its current and the
// program-wide current density Sigma (A/mm^2) chosen on the settings tab.
#include "numbers.h"

namespace kelvora {

struct CalcState;

// Wire gauge (AWG 0-45, whole) for a current in A: 50 - 10 log10(2100 I / Sigma).
float SAWG(float current, CalcState& s, const Settings& cfg);
// Copper cross-section in mm^2 for a current in A: I / Sigma.
float Smm2(float current, CalcState& s, const Settings& cfg);

} // namespace kelvora
