#pragma once
#include "design.h"

#include <vector>

namespace kelvora {

// Every control of the valve modulator tab that the calculation, the window
// or the command line touches, with its starting state.
std::vector<ControlSpec> trafoModControls();

// Applies the modulator coupling chosen in CBSelTM (0 transformer, 1 reactor
// and capacitor) to the diagram and records it; any other index changes nothing.
void SelConfigTM(Sheet& tab, CalcState& s);
// Push-pull class-B valve modulation transformer: core section, turns ratio,
// turns, DC flux densities, gauges and the power verdict (W, Hz, V, mA, mm, gauss).
void CalculaTrafoMod(Sheet& tab, CalcState& s, const Settings& cfg);

// The tab's design: controls, calculation, outputs, report and core.
Design trafoModDesign();

} // namespace kelvora
