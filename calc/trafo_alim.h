#pragma once
#include "design.h"

namespace kelvora {

// Arranges the winding panels for CNumPri/CNumSec and records both choices.
void TAEnrolamentos(Sheet& tab, CalcState& s);
// Power transformer: core section, volts per turn, turns and gauges.
void CalculaTrafoAlim(Sheet& tab, CalcState& s, const Settings& cfg);

// The tab's design: controls, calculation, outputs (and report, core).
Design trafoAlimDesign();

} // namespace kelvora
