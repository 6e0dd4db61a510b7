#pragma once
#include "design.h"

namespace kelvora {

// Class-B (AB) transistor modulator stage.
void CalculaTrafoModTrans(Sheet& tab, CalcState& s, const Settings& cfg);

// The tab's design: controls, calculation, outputs (and report, core).
Design trafoModTransDesign();

} // namespace kelvora
