#pragma once
#include "design.h"

namespace kelvora {

// Applies the modulator coupling chosen in CBSelTM to the diagram.
void SelConfigTM(Sheet& tab, CalcState& s);
// Push-pull class-B valve modulation transformer.
void CalculaTrafoMod(Sheet& tab, CalcState& s, const Settings& cfg);

// The tab's design: controls, calculation, outputs (and report, core).
Design trafoModDesign();

} // namespace kelvora
