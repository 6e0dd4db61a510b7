#pragma once
#include "design.h"

#include <vector>

namespace kelvora {

std::vector<ControlSpec> trafoModTransControls();
// Class-B (AB) transistor modulator stage: load, currents, bias chain, drive.
void CalculaTrafoModTrans(Sheet& tab, CalcState& s, const Settings& cfg);

// The tab's design: controls, calculation, outputs.
Design trafoModTransDesign();

} // namespace kelvora
